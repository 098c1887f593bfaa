#pragma once

#include <QtCore/QStringView>

namespace vb
{

// Compares two texts in their natural order: a run of digits by its value, the rest without
// regard to case, so that 1.2 < 1.10 < 2.1 < 10.1 and "pos 3" == "Pos 3". Negative, 0 or
// positive, as QString::compare.
int naturalCompare(QStringView a, QStringView b);

} // namespace vb
