#include "reports/druck4.h"

namespace report
{
} // namespace report
