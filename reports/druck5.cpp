#include "reports/druck5.h"

namespace report
{
} // namespace report
