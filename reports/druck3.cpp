#include "reports/druck3.h"

namespace report
{
} // namespace report
