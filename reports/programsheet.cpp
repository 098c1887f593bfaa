#include "reports/programsheet.h"

#include "reports/druck1.h"
#include "reports/druck2.h"
#include "reports/druck3.h"
#include "reports/druck4.h"
#include "reports/druck5.h"
#include "reports/druck6.h"

namespace report
{

std::optional<Sheet> makeProgramSheet(int program, const FormTexts &texts)
{
    switch (program) {
    case 1:
        return makeDruck1(texts);
    case 2:
        return makeDruck2(texts);
    case 3:
        return makeDruck3(texts);
    case 4:
        return makeDruck4(texts);
    case 5:
        return makeDruck5(texts);
    case 6:
        return makeDruck6(texts);
    default:
        return std::nullopt;
    }
}

} // namespace report
