#include "programs/pgm11024/druck1.h"

#include "reports/sheetitems.h"

namespace report
{

namespace
{

// The body's headings and result captions in English, for both constructions; symbols and
// units stay as designed.
const vb::Caption kEnglish[] = {
    {"QRLabel13", {{}, "Construction"}},
    {"QRLabel20", {{}, "Deflection limits"}},
    {"QRLabel19", {{}, "Load"}},
    {"QRLabel21", {{}, "Results"}},
    {"QRLabel66", {{}, "wind load p"}},
    {"QRLabel25", {{}, "max. bending moment"}},
    {"QRLabel26", {{}, "req. section modulus"}},
    {"QRLabel22", {{}, "req. moment of inertia"}},
};

// The mullion under a uniform line load.
const vb::Caption kMullionTexts[] = {
    {"QRLabel10", "Fassadensystem: Pfosten", "Facade section: mullion"},
    {"QRLabel11", "Lastfall: gleichmäßige Streckenlast", "Loading case: rectangular load"},
    {"QRLabel14", "Länge Pfosten LP", "length LP"},
    {"QRLabel15", "Länge größte Scheibe LS", "longest glass edge LS"},
    {"QRLabel60", {"m", {}}},
    {"QRLabel18", "zulässige Durchbiegung des Pfostens", "allowed deflection of mullion"},
    {"QRLabel16", {{}, "span A"}},
    {"QRLabel17", {{}, "span B"}},
    {"QRLabel68", {{}, "allowed deflection of glass edge"}},
    {"QRLabel44", {{}, "or max.             mm"}},
    {"QRLabel73", {{}, "or max.             mm"}},
    {"QRLabel24", {{}, "deflection of construction"}},
    {"QRLabel51", {{}, "deflection of glass edge"}},
    {"QRLabel23", {"", {}}},
};

// The transom under the trapezoidal or triangular loads of the panes above and below. It has
// no width B, no limit row of its own span and no member deflection line: those print empty.
const vb::Caption kTransomTexts[] = {
    {"QRLabel10", "Fassadensystem: Riegel", "Facade section: transom"},
    {"QRLabel14", "Länge H1", "height H1"},
    {"QRLabel15", "Länge H2", "height H2"},
    {"QRLabel16", "Feldbreite L", "span L"},
    {"QRLabel60", {"m", {}}},
    {"QRLabel11", "Lastfall: Trapezlast bzw. Dreieckslast",
     "Loading case: trapezoid- and/or triangular load"},
    {"QRLabel18", "Zulässige Durchbiegung der Konstruktion", "allowed deflection of transom"},
    {"QRLabel68", "bzw. Scheibenkante", "and deflection of glass edge"},
    {"QRLabel73", {{}, "or max.             mm"}},
    {"QRLabel51", {{}, "deflection of glass edge"}},
    {"QRLabel17", {"", {}}},
    {"QRLabel41", {"", {}}},
    {"QRLabel63", {"", {}}},
    {"QRLabel76", {"", {}}},
    {"QRLabel42", {"", {}}},
    {"QRLabel44", {"", {}}},
    {"QRLabel67", {"", {}}},
    {"QRLabel24", {"", {}}},
    {"QRLabel46", {"", {}}},
    {"QRLabel47", {"", {}}},
    {"QRLabel23", {"", {}}},
};

// Value label ← form field. In transom mode the form's fields stand for H1, H2 and the span L.
constexpr ValueSource kValues[] = {
    {"QRLabel72", "Edit14"}, // wind load w [kN/m²]
    {"QRLabel38", "Edit1"},  // length LP, or pane height H1 [m]
    {"QRLabel39", "Edit6"},  // largest pane LS, or pane height H2 [m]
    {"QRLabel40", "Edit2"},  // field width A, or span L [m]
    {"QRLabel71", "Edit5"},  // limit of the pane edge or transom, L/x: x
    {"QRLabel74", "Edit7"},  // limit of the pane edge or transom, at most [mm]
    {"QRLabel45", "Edit8"},  // required second moment of area [cm⁴]
    {"QRLabel48", "Edit11"}, // maximum moment [kNcm]
    {"QRLabel49", "Edit12"}, // required section modulus [cm³]
    {"QRLabel52", "Edit10"}, // deflection of the pane edge [mm]
};
constexpr ValueSource kMullionValues[] = {
    {"QRLabel41", "Edit3"},  // field width B [m]
    {"QRLabel42", "Edit4"},  // mullion limit L/x: x
    {"QRLabel67", "Edit15"}, // mullion limit, at most [mm]
    {"QRLabel46", "Edit9"},  // deflection of the mullion [mm]
};

} // namespace

FrameParameters druck1Frame()
{
    FrameParameters frame;
    frame.sheetName = QStringLiteral("TForm32");
    frame.logoName = QStringLiteral("QRImage4");
    frame.titleBandHeight = 91;
    frame.columnHeaderBandHeight = 15;
    frame.childBandHeight = 830;
    frame.titleBandRuleTop = 72;
    frame.titleLabelBand = kChildBand; // on this sheet the title opens the child band
    frame.titlePixelSize = 21;
    frame.creatorCaptionName = QStringLiteral("QRLabel57");
    frame.creatorValueName = QStringLiteral("QRLabel65");
    frame.disclaimerName = QStringLiteral("QRLabel27");
    frame.closingFirstRuleTop = 684;
    frame.materialTop = 704;
    frame.closingSecondRuleTop = 722;
    frame.notesTop = 746;
    frame.disclaimerGap = 22;
    frame.closingLastRuleTop = 812;
    return frame;
}

SheetLayout druck1Layout()
{
    SheetLayout layout = frameLayout(druck1Frame());
    const auto [heading, index, exponent, boldValue] = bodyFonts();

    layout.labels += {
        // Construction and load case.
        caption("QRLabel10", 72, QStringLiteral("Fassadensystem: Pfosten"), heading),
        caption("QRLabel11", 96, QStringLiteral("Lastfall: gleichmäßige Streckenlast")),

        // Geometry: lengths and field widths in m.
        caption("QRLabel13", 197, QStringLiteral("Konstruktion"), heading),
        caption("QRLabel14", 232, QStringLiteral("Länge Pfosten LP")),
        valueAt("QRLabel38", 344, 232),
        at("QRLabel60", 352, 232, QStringLiteral("m")),
        caption("QRLabel15", 256, QStringLiteral("Länge größte Scheibe LS")),
        valueAt("QRLabel39", 344, 256),
        at("QRLabel61", 352, 256, QStringLiteral("m")),
        caption("QRLabel16", 280, QStringLiteral("Feldbreite A ")),
        valueAt("QRLabel40", 344, 280),
        at("QRLabel62", 352, 280, QStringLiteral("m")),
        caption("QRLabel17", 304, QStringLiteral("Feldbreite B")),
        valueAt("QRLabel41", 344, 304),
        at("QRLabel63", 352, 304, QStringLiteral("m")),

        // Deflection limits: span / n, or at most c mm; the cap stands in the gap of its caption.
        caption("QRLabel20", 341, QStringLiteral("Durchbiegungsbeschränkungen"), heading),
        caption("QRLabel18", 376, QStringLiteral("zulässige Durchbiegung des Pfostens")),
        at("QRLabel76", 288, 376, QStringLiteral("L /")),
        valueAt("QRLabel42", 344, 376),
        at("QRLabel44", 352, 376, QStringLiteral("bzw. max.          mm")),
        valueAt("QRLabel67", 451, 376),
        caption("QRLabel68", 400, QStringLiteral("zulässige Durchbiegung der Scheibenkante")),
        at("QRLabel77", 288, 400, QStringLiteral("L /")),
        valueAt("QRLabel71", 344, 400),
        at("QRLabel73", 352, 400, QStringLiteral("bzw. max.          mm")),
        valueAt("QRLabel74", 451, 400),

        // Wind load in kN/m².
        caption("QRLabel19", 429, QStringLiteral("Belastung"), heading),
        caption("QRLabel66", 456, QStringLiteral("Windlast w")),
        valueAt("QRLabel72", 347, 456),
        at("QRLabel43", 352, 456, QStringLiteral("kN/m²")),
        at("QRLabel23", 408, 456, QStringLiteral("QRLabel23")),

        // Results: moment in kNcm, section modulus in cm³, second moment of area in cm⁴,
        // deflections in mm. Symbols with lowered indices and a raised exponent.
        caption("QRLabel21", 532, QStringLiteral("Ergebnisse"), heading),
        caption("QRLabel25", 556, QStringLiteral("Max. Feldmoment")),
        at("QRLabel69", 256, 556, QStringLiteral("M")),
        at("QRLabel53", 271, 562, QStringLiteral("f"), index),
        valueAt("QRLabel48", 384, 556),
        at("QRLabel58", 392, 556, QStringLiteral("kNcm")),
        caption("QRLabel26", 580, QStringLiteral("erford. Widerstandsmoment")),
        at("QRLabel70", 256, 580, QStringLiteral("W")),
        at("QRLabel54", 272, 586, QStringLiteral("x (f)"), index),
        valueAt("QRLabel49", 384, 580),
        at("QRLabel59", 392, 580, QStringLiteral("cm³")),
        caption("QRLabel22", 612, QStringLiteral("erforderliches Trägheitsmoment")),
        at("QRLabel75", 256, 612, QStringLiteral("I")),
        at("QRLabel50", 262, 618, QStringLiteral("x "), index),
        valueAt("QRLabel45", 384, 612, boldValue),
        at("QRLabel12", 392, 612, QStringLiteral("cm")),
        at("QRLabel55", 412, 610, QStringLiteral("4"), exponent),
        caption("QRLabel24", 636, QStringLiteral("Durchbiegung der Konstruktion")),
        valueAt("QRLabel46", 384, 636),
        at("QRLabel47", 392, 636, QStringLiteral("mm")),
        caption("QRLabel51", 660, QStringLiteral("Durchbiegung der Scheibenkante")),
        valueAt("QRLabel52", 384, 660),
        at("QRLabel56", 392, 660, QStringLiteral("mm")),
    };

    layout.pictures += {
        drawing("QRImage1", QRect(376, 152, 217, 228), ":/sketches/pgm1_elevation.svg", true),
        drawing("QRImage3", QRect(392, 4, 217, 145), ":/sketches/pgm1_areas_de.svg", false),
        drawing("QRImage5", QRect(384, 2, 225, 145), ":/sketches/pgm1_areas_en.svg", false),
        drawing("QRImage2", QRect(384, 32, 217, 241), ":/sketches/pgm1_transom_de.svg", true),
        drawing("QRImage6", QRect(384, 2, 225, 249), ":/sketches/pgm1_transom_en.svg", false),
    };
    return layout;
}

Sheet makeDruck1(const FormTexts &texts)
{
    const FrameParameters frame = druck1Frame();
    Sheet sheet(withPlannerTexts(druck1Layout(), texts));
    const bool english = texts.english;
    const bool transom = texts.option("RadioButton2");

    if (english) {
        applyFrameEnglish(sheet, frame);
        applyTexts(sheet, kEnglish, true);
    }
    fillFrameHeader(sheet, frame, texts.header);

    fillValues(sheet, kValues, texts);
    if (!transom)
        fillValues(sheet, kMullionValues, texts);
    applyTexts(sheet, transom ? std::span<const vb::Caption>(kTransomTexts) : kMullionTexts, english);

    // The mullion prints the elevation and its load influence areas, the transom its own
    // drawing; the labelled drawings in the sheet's language.
    show(sheet, "QRImage1", !transom);
    show(sheet, "QRImage3", !transom && !english);
    show(sheet, "QRImage5", !transom && english);
    show(sheet, "QRImage2", transom && !english);
    show(sheet, "QRImage6", transom && english);
    return sheet;
}

} // namespace report
