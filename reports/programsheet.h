#pragma once

#include "reports/sheetitems.h"

#include <optional>

namespace report
{

// The sheet of program 1 … 6 filled from a form record; nothing for another number.
std::optional<Sheet> makeProgramSheet(int program, const FormTexts &texts);

} // namespace report
