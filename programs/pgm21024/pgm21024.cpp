#include "programs/pgm21024/pgm21024.h"

namespace vb {

TForm24::TForm24(QWidget *parent)
    : PendingProgramForm(QStringLiteral("TForm24"), QStringLiteral("Programm 2"), {800, 570}, QStringLiteral("Edit13"),
                         parent)
{
}

} // namespace vb
