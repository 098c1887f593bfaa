#include "reports/druck2.h"

namespace report
{
} // namespace report
