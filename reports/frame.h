#pragma once

#include "reports/sheet.h"

#include <QtCore/QString>

namespace report
{

// Band names every sheet shares.
inline const QString kPageHeaderBand = QStringLiteral("PageHeaderBand1");
inline const QString kTitleBand = QStringLiteral("TitleBand1");
inline const QString kColumnHeaderBand = QStringLiteral("ColumnHeaderBand1");
inline const QString kChildBand = QStringLiteral("ChildBand1");

// What differs between the six sheets in the frame they share.
struct FrameParameters {
    QString sheetName; // the report form, e.g. "TForm32"
    QString logoName;  // the logo picture of the page header
    int titleBandHeight = 85;
    int columnHeaderBandHeight = 40;
    int childBandHeight = 816;
    int titleBandRuleTop = 64; // the rule closing the project header block
    QString titleLabelBand;    // band of the title "Statische Vorbemessung"
    int titlePixelSize = 21;
    QString creatorCaptionName; // "Ersteller:" caption, named differently on each sheet
    QString creatorValueName;
    QString disclaimerName; // the last closing note
    // Closing block at the foot of the child band, tops within that band.
    int closingFirstRuleTop = 684;
    int materialTop = 704;
    int closingSecondRuleTop = 722;
    int notesTop = 746;     // first of the three notes; the second follows 24 pixels lower
    int disclaimerGap = 24; // from the second note to the disclaimer
    int closingLastRuleTop = 812;
};

// The letterhead of every sheet and cover: the planner's company line and logo (an SVG or PNG
// file), or, where a part is empty, the program's own (companyLine(), its logo stretched into
// the logo's place). A planner's logo is scaled into that place keeping its aspect ratio.
struct Letterhead {
    QString companyLine;
    QString logoFile;
    bool operator==(const Letterhead &) const = default;
};

// The project header values printed in the title band.
struct HeaderValues {
    QString project, positionNumber, company, creator, date, time;
};

// Fonts of the sheets.
LabelFont textFont();                 // Times New Roman 16
LabelFont headingFont(int pixelSize); // bold, underlined
LabelFont smallFont(int pixelSize);   // indices and exponents
LabelFont ruleFont();                 // Arial 13

// The fonts of a sheet's body: section headings (19, bold, underlined), lowered indices (13),
// raised exponents and the bold value of the second moment of area.
struct BodyFonts {
    LabelFont heading;
    LabelFont index;
    LabelFont exponent;
    LabelFont boldValue;
};
BodyFonts bodyFonts(int exponentPixelSize = 11);

// A rule: 78 underscores in Arial 13, 547 pixels wide, at left 8.
Label rule(const QString &name, const QString &band, int top);

// The issuing company's line of the page header.
QString companyLine();

// The page header's company line (in the company's font, with its room up to the logo) and the
// program's logo in its place, as every sheet and the cover print them.
Label companyLineLabel(const QString &name);
Picture logoPicture(const QString &name);

// Puts the planner's letterhead in place of the company line and the logo (the page header's
// picture), each where it is given.
void applyLetterhead(SheetLayout &layout, const Letterhead &letterhead, const QString &companyLineName);

// A layout holding the four bands and the frame's labels and pictures, with German design texts;
// the sheet adds its own content to it.
SheetLayout frameLayout(const FrameParameters &frame);

// Switches the frame's captions, the title and the closing block to English.
void applyFrameEnglish(Sheet &sheet, const FrameParameters &frame);

// Fills the project header values.
void fillFrameHeader(Sheet &sheet, const FrameParameters &frame, const HeaderValues &values);

} // namespace report
