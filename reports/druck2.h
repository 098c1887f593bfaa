#pragma once

#include "reports/sheetitems.h"

namespace report
{
} // namespace report
