#include "programs/pgm41024/pgm41024.h"

namespace vb {

TForm26::TForm26(QWidget *parent)
    : PendingProgramForm(QStringLiteral("TForm26"), QStringLiteral("Programm 4"), {800, 570}, QStringLiteral("Edit13"),
                         parent)
{
}

} // namespace vb
