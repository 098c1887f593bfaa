#include "programs/pgm51024/pgm51024.h"

namespace vb {

TForm27::TForm27(QWidget *parent)
    : PendingProgramForm(QStringLiteral("TForm27"), QStringLiteral("Programm 5"), {800, 570}, QStringLiteral("Edit15"),
                         parent)
{
}

} // namespace vb
