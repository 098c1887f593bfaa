#include "programs/pgm61024/pgm61024.h"

namespace vb {

TForm28::TForm28(QWidget *parent)
    : PendingProgramForm(QStringLiteral("TForm28"), QStringLiteral("Programm 6"), {800, 570}, QStringLiteral("Edit11"),
                         parent)
{
}

} // namespace vb
