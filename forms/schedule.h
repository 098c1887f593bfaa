#pragma once

#include "core/projectfile.h"

#include <QtCore/QByteArray>

namespace vb
{

// The section schedule of a project, for procurement: one line a position in the natural order
// of the numbers, with its description, program, member, every required value in a column of
// its own with its axis (Ix, Wx, Iy, Wy), its section, utilisation and date. As a spreadsheet
// in the planner's style: German with semicolons and decimal commas, English with commas and
// points; UTF-8 with a byte-order mark, so that a spreadsheet reads the ³ and the umlauts.
QByteArray sectionSchedule(const project::Project &project, bool english);

} // namespace vb
