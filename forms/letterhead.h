#pragma once

// The planner's letterhead, kept in the user's settings: the company line and the logo every sheet
// and the cover print in their page header. The logo chosen is copied beside the settings file, so
// that the letterhead does not depend on the planner's own file staying where it was.

#include "core/result.h"
#include "reports/frame.h"

#include <QtCore/QString>

namespace vb
{

// The longest company line kept: one line of a page header.
inline constexpr int kCompanyLineLength = 200;

// The letterhead the sheets are made with now. Nothing stored, or a part stored that does not read,
// gives the program's own (an empty part). A logo copy that has gone from the settings folder is
// still named, so that the sheet leaves the logo's place empty rather than printing the program's
// logo on the planner's letterhead.
report::Letterhead currentLetterhead();

// Stores `letterhead`: its company line (empty: the program's own; line breaks and control
// characters become blanks), and its logo file (empty: the program's own). A logo file other than
// the copy stored now is checked, copied atomically beside the settings file, keeping its kind
// (SVG or image), and checked again as copied. On failure nothing has changed and the reason names
// the file; the copy of the letterhead replaced is removed only once the settings name the new one.
Result<> storeLetterhead(const report::Letterhead &letterhead);

// Back to the program's own letterhead: the settings forget it and its logo copy goes.
Result<> resetLetterhead();

// Whether `file` is the logo copy the settings name now.
bool isStoredLogo(const QString &file);

// The name of the planner's file the stored logo was copied from, for the planner to recognise it;
// empty where no logo of the planner's is stored.
QString storedLogoName();

} // namespace vb
