#include "reports/frame.h"

#include "reports/logo.h"

#include <utility>

namespace report
{

namespace
{
// Left edges of the project header block.
constexpr int kCaptionLeft = 8;
constexpr int kRightCaptionLeft = 392;
constexpr int kLeftValueLeft = 176;
constexpr int kRightValueLeft = 496;
constexpr int kRowTops[3] = {8, 32, 56};
// The right margin's edge on A4: 210 mm less the margins of 25 mm, 604.7 page pixels; the painter
// keeps a text within the margin itself (Sheet::bandWidth).
constexpr int kRightMarginEdge = 605;
// The company line's left edge in the page header.
constexpr int kCompanyLineLeft = 9;

Label text(const QString &name, const QString &band, int x, int top, const QString &design,
           LabelFont font = textFont())
{
    return Label{name, band, x, top, design, std::move(font), Align::Left, 0};
}

// Value labels start with their component name as design text; filling replaces it. A value
// has the room up to the right column's captions, or in the right column up to the margin. The
// rows stand 24 pixels apart, too close for a second line: a long value is set smaller, then cut.
Label value(const QString &name, const QString &band, int x, int top)
{
    Label label = text(name, band, x, top, name);
    label.room.width = x < kRightCaptionLeft ? kRightCaptionLeft - x : kRightMarginEdge - x;
    return label;
}
} // namespace

LabelFont textFont()
{
    return LabelFont{};
}

LabelFont headingFont(int pixelSize)
{
    LabelFont font;
    font.pixelSize = pixelSize;
    font.bold = true;
    font.underline = true;
    return font;
}

LabelFont smallFont(int pixelSize)
{
    LabelFont font;
    font.pixelSize = pixelSize;
    return font;
}

BodyFonts bodyFonts(int exponentPixelSize)
{
    LabelFont boldValue = textFont();
    boldValue.bold = true;
    return {headingFont(19), smallFont(13), smallFont(exponentPixelSize), boldValue};
}

LabelFont ruleFont()
{
    LabelFont font;
    font.family = QStringLiteral("Arial");
    font.pixelSize = 13;
    return font;
}

Label rule(const QString &name, const QString &band, int top)
{
    return Label{name, band, 8, top, QString(78, QLatin1Char('_')), ruleFont(), Align::Left, 547};
}

Label companyLineLabel(const QString &name)
{
    // The rule below leaves no room for a second line.
    Label label = text(name, kPageHeaderBand, kCompanyLineLeft, 16, companyLine());
    label.room.width = kLogoPlace.left() - kCompanyLineLeft;
    return label;
}

Picture logoPicture(const QString &name)
{
    return Picture{name, kPageHeaderBand, kLogoPlace, QStringLiteral(":/logo.svg"), true, true};
}

void applyLetterhead(SheetLayout &layout, const Letterhead &letterhead, const QString &companyLineName)
{
    if (!letterhead.companyLine.isEmpty())
        for (Label &label : layout.labels)
            if (label.name == companyLineName)
                label.text = letterhead.companyLine;
    if (!letterhead.logoFile.isEmpty())
        for (Picture &picture : layout.pictures)
            if (picture.band == kPageHeaderBand) {
                picture.resource = letterhead.logoFile;
                picture.stretch = false;
                picture.plannerLogo = true;
            }
}

QString companyLine()
{
    return QStringLiteral("Musterbau GmbH \u00b7 Industriestra\u00dfe 1 \u00b7 12345 Musterstadt");
}

SheetLayout frameLayout(const FrameParameters &frame)
{
    SheetLayout layout;
    layout.name = frame.sheetName;
    layout.bands = {
        {kPageHeaderBand, 51},
        {kTitleBand, frame.titleBandHeight},
        {kColumnHeaderBand, frame.columnHeaderBandHeight},
        {kChildBand, frame.childBandHeight},
    };

    // Page header: company line, logo, rule.
    layout.labels.append(companyLineLabel(QStringLiteral("QRLabel1")));
    layout.pictures.append(logoPicture(frame.logoName));
    layout.labels.append(rule(QStringLiteral("QRLabel2"), kPageHeaderBand, 32));

    // Project header block: captions and their values in two columns.
    const QString &tb = kTitleBand;
    layout.labels.append(
        text(QStringLiteral("QRLabel3"), tb, kCaptionLeft, kRowTops[0], QStringLiteral("Projekt :")));
    layout.labels.append(value(QStringLiteral("QRLabel33"), tb, kLeftValueLeft, kRowTops[0]));
    layout.labels.append(text(QStringLiteral("QRLabel4"), tb, kCaptionLeft, kRowTops[1],
                              QStringLiteral("Pos. -/ Auftragnummer:")));
    layout.labels.append(value(QStringLiteral("QRLabel34"), tb, kLeftValueLeft, kRowTops[1]));
    layout.labels.append(
        text(QStringLiteral("QRLabel5"), tb, kCaptionLeft, kRowTops[2], QStringLiteral("Firma:")));
    layout.labels.append(value(QStringLiteral("QRLabel35"), tb, kLeftValueLeft, kRowTops[2]));
    layout.labels.append(
        text(QStringLiteral("QRLabel6"), tb, kRightCaptionLeft, kRowTops[0], QStringLiteral("Datum:")));
    layout.labels.append(value(QStringLiteral("QRLabel36"), tb, kRightValueLeft, kRowTops[0]));
    layout.labels.append(
        text(QStringLiteral("QRLabel7"), tb, kRightCaptionLeft, kRowTops[1], QStringLiteral("Uhrzeit:")));
    layout.labels.append(value(QStringLiteral("QRLabel37"), tb, kRightValueLeft, kRowTops[1]));
    layout.labels.append(
        text(frame.creatorCaptionName, tb, kRightCaptionLeft, kRowTops[2], QStringLiteral("Ersteller:")));
    layout.labels.append(value(frame.creatorValueName, tb, kRightValueLeft, kRowTops[2]));
    layout.labels.append(rule(QStringLiteral("TitleRule"), tb, frame.titleBandRuleTop));

    layout.labels.append(text(QStringLiteral("QRLabel9"), frame.titleLabelBand, 8, 8,
                              QStringLiteral("Statische Vorbemessung"), headingFont(frame.titlePixelSize)));

    // Closing block: material, the liability notes and the disclaimer between rules.
    const QString &cb = kChildBand;
    layout.labels.append(rule(QStringLiteral("ClosingRule1"), cb, frame.closingFirstRuleTop));
    layout.labels.append(text(QStringLiteral("QRLabel28"), cb, 8, frame.materialTop,
                              QStringLiteral("Werkstoff: Aluminium EN AW6060 T66")));
    layout.labels.append(rule(QStringLiteral("ClosingRule2"), cb, frame.closingSecondRuleTop));
    layout.labels.append(
        text(QStringLiteral("QRLabel30"), cb, 8, frame.notesTop,
             QStringLiteral("Wir haben die Angaben zum Projekt und das Programm geprüft, übernehmen aber ")));
    layout.labels.append(text(QStringLiteral("QRLabel31"), cb, 8, frame.notesTop + 24,
                              QStringLiteral("für die Richtigkeit keine Gewähr.")));
    layout.labels.append(text(frame.disclaimerName, cb, 8, frame.notesTop + 24 + frame.disclaimerGap,
                              QStringLiteral("Die Berechnung ersetzt keine prüfbare Statik.")));
    layout.labels.append(rule(QStringLiteral("ClosingRule3"), cb, frame.closingLastRuleTop));
    return layout;
}

void applyFrameEnglish(Sheet &sheet, const FrameParameters &frame)
{
    sheet.setText(QStringLiteral("QRLabel3"), QStringLiteral("Project:"));
    sheet.setText(QStringLiteral("QRLabel4"), QStringLiteral("Pos.-/Contract number:"));
    sheet.setText(QStringLiteral("QRLabel5"), QStringLiteral("Company:"));
    sheet.setText(QStringLiteral("QRLabel6"), QStringLiteral("Date:"));
    sheet.setText(QStringLiteral("QRLabel7"), QStringLiteral("Time:"));
    sheet.setText(frame.creatorCaptionName, QStringLiteral("Calculated by:"));
    sheet.setText(QStringLiteral("QRLabel9"), QStringLiteral("Static predimensioning"));
    sheet.setText(QStringLiteral("QRLabel28"), QStringLiteral("Material: Aluminium EN AW-6060 T66"));
    sheet.setText(
        QStringLiteral("QRLabel30"),
        QStringLiteral(
            "We carefully checked the specifications of the project as well as the program itself but"));
    sheet.setText(QStringLiteral("QRLabel31"),
                  QStringLiteral("we do not assume liability for this calculation."));
    sheet.setText(frame.disclaimerName,
                  QStringLiteral("The calculation does not replace any valid structural calculation"));
}

void fillFrameHeader(Sheet &sheet, const FrameParameters &frame, const HeaderValues &values)
{
    sheet.setText(QStringLiteral("QRLabel33"), values.project);
    sheet.setText(QStringLiteral("QRLabel34"), values.positionNumber);
    sheet.setText(QStringLiteral("QRLabel35"), values.company);
    sheet.setText(frame.creatorValueName, values.creator);
    sheet.setText(QStringLiteral("QRLabel37"), values.time);
    sheet.setText(QStringLiteral("QRLabel36"), values.date);
}

} // namespace report
