#include "programs/pgm31024/pgm31024.h"

namespace vb {

TForm25::TForm25(QWidget *parent)
    : PendingProgramForm(QStringLiteral("TForm25"), QStringLiteral("Programm 3"), {806, 578}, QStringLiteral("Edit17"),
                         parent)
{
}

} // namespace vb
