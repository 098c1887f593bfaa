#include "reports/druck6.h"

namespace report
{
} // namespace report
