#include "programs/pgm41024/druck4.h"

namespace report
{

namespace
{

// Value label ← field of TForm26, in the order the sheet is filled.
constexpr ValueSource kValues[] = {
    {"QRLabel81", "Edit16"}, // wind load
    {"QRLabel38", "Edit1"},  // L1
    {"QRLabel39", "Edit6"},  // L2
    {"QRLabel40", "Edit2"},  // LS
    {"QRLabel41", "Edit4"},  // field width A
    {"QRLabel42", "Edit5"},  // field width B
    {"QRLabel45", "Edit8"},  // required second moment of area
    {"QRLabel48", "Edit11"}, // span moment
    {"QRLabel49", "Edit12"}, // section modulus for the span moment
    {"QRLabel57", "Edit3"},  // support moment
    {"QRLabel60", "Edit14"}, // section modulus for the support moment
    {"QRLabel47", "Edit7"},  // ratio n of the mullion
    {"QRLabel62", "Edit9"},  // ratio n of the glass edge
    {"QRLabel52", "Edit15"}, // maximum mullion deflection, mm
    {"QRLabel72", "Edit10"}, // maximum glass-edge deflection, mm
    {"QRLabel79", "Edit17"}, // deflection of the construction, mm
    {"QRLabel80", "Edit18"}, // deflection of the glass edge, mm
};

const vb::Caption kEnglish[] = {
    {"QRLabel10", {{}, "Facade section: mullion as two-span beam"}},
    {"QRLabel11", {{}, "Loading case: rectangular load"}},
    {"QRLabel13", {{}, "Construction"}},
    {"QRLabel14", {{}, "length L1"}},
    {"QRLabel12", {{}, "length L2"}},
    {"QRLabel15", {{}, "longest glass edge LS"}},
    {"QRLabel16", {{}, "span A"}},
    {"QRLabel17", {{}, "span B"}},
    {"QRLabel24", {{}, "Deflection limits"}},
    {"QRLabel46", {{}, "allowed deflection of mullion"}},
    {"QRLabel43", {{}, "allowed deflection of glass edge"}},
    {"QRLabel51", {{}, "or max.             mm"}},
    {"QRLabel63", {{}, "or max.             mm"}},
    {"QRLabel23", {{}, "Load"}},
    {"QRLabel70", {{}, "wind load p"}},
    {"QRLabel21", {{}, "Results"}},
    {"QRLabel25", {{}, "max. bending moment"}},
    {"QRLabel26", {{}, "req. section modulus"}},
    {"QRLabel58", {{}, "req. section modulus"}},
    {"QRLabel56", {{}, "support moment"}},
    {"QRLabel22", {{}, "req. moment of inertia"}},
    {"QRLabel77", {{}, "deflection of construction"}},
    {"QRLabel78", {{}, "deflection of glass edge"}},
};

// The result symbols stand a little lower than their captions, their indices lower still.
constexpr int kSymbolDrop = 2;
constexpr int kIndexDrop = 8;

} // namespace

FrameParameters druck4Frame()
{
    FrameParameters frame;
    frame.sheetName = QStringLiteral("TForm35");
    frame.logoName = QStringLiteral("QRImage2");
    frame.titleBandHeight = 83;
    frame.columnHeaderBandHeight = 40;
    frame.childBandHeight = 824;
    frame.titleBandRuleTop = 64;
    frame.titleLabelBand = kColumnHeaderBand;
    frame.titlePixelSize = 19;
    frame.creatorCaptionName = QStringLiteral("QRLabel74");
    frame.creatorValueName = QStringLiteral("QRLabel75");
    frame.disclaimerName = QStringLiteral("QRLabel73");
    frame.closingFirstRuleTop = 647;
    frame.materialTop = 668;
    frame.closingSecondRuleTop = 686;
    frame.notesTop = 710;
    frame.disclaimerGap = 24;
    frame.closingLastRuleTop = 788;
    return frame;
}

SheetLayout druck4Layout()
{
    SheetLayout layout = frameLayout(druck4Frame());
    const auto [heading, index, exponent, boldValue] = bodyFonts();
    const auto symbol = [](const char *name, int top, const char *text) {
        return at(name, 251, top + kSymbolDrop, QLatin1String(text));
    };

    layout.labels += {
        // System and load case.
        caption("QRLabel10", 8, QStringLiteral("Fassadensystem: Pfosten als Zweifeldträger"), heading),
        caption("QRLabel11", 32, QStringLiteral("Lastfall: gleichmäßige Streckenlast auf Pfosten")),

        // Geometry: the two spans, the largest pane and the field widths in m.
        caption("QRLabel13", 117, QStringLiteral("Konstruktion"), heading),
        caption("QRLabel14", 152, QStringLiteral("Pfostenlänge  L1 ")),
        valueAt("QRLabel38", 232, 152),
        at("QRLabel18", 248, 152, QStringLiteral("m")),
        caption("QRLabel12", 176, QStringLiteral("Pfostenlänge  L2")),
        valueAt("QRLabel39", 232, 176),
        at("QRLabel19", 248, 176, QStringLiteral("m")),
        caption("QRLabel15", 200, QStringLiteral("Länge größte Scheibe LS")),
        valueAt("QRLabel40", 232, 200),
        at("QRLabel44", 248, 200, QStringLiteral("m")),
        caption("QRLabel16", 224, QStringLiteral("Feldbreite A ")),
        valueAt("QRLabel41", 232, 224),
        at("QRLabel68", 248, 224, QStringLiteral("m")),
        caption("QRLabel17", 248, QStringLiteral("Feldbreite B")),
        valueAt("QRLabel42", 232, 248),
        at("QRLabel69", 248, 248, QStringLiteral("m")),

        // Deflection limits: span / n, or at most c mm; the cap stands in the gap of its caption.
        caption("QRLabel24", 293, QStringLiteral("Durchbiegungsbeschränkungen"), heading),
        caption("QRLabel46", 328, QStringLiteral("zulässige Durchbiegung des Pfostens")),
        at("QRLabel84", 283, 328, QStringLiteral("L /")),
        valueAt("QRLabel47", 344, 328),
        at("QRLabel51", 352, 328, QStringLiteral("bzw. max.          mm")),
        valueAt("QRLabel52", 451, 328),
        caption("QRLabel43", 352, QStringLiteral("zulässige Durchbiegung der Scheibenkante")),
        at("QRLabel85", 283, 352, QStringLiteral("L /")),
        valueAt("QRLabel62", 344, 352),
        at("QRLabel63", 352, 352, QStringLiteral("bzw. max.          mm")),
        valueAt("QRLabel72", 451, 352),

        // Wind load in kN/m².
        caption("QRLabel23", 389, QStringLiteral("Belastung"), heading),
        caption("QRLabel70", 416, QStringLiteral("Windlast w")),
        valueAt("QRLabel81", 232, 416),
        at("QRLabel20", 248, 416, QStringLiteral("kN/m²")),
        at("QRLabel76", 307, 416, QStringLiteral("QRLabel76")),

        // Results: moments in kNcm, section moduli in cm³, second moment of area in cm⁴,
        // deflections in mm. Symbols with lowered indices and a raised exponent.
        caption("QRLabel21", 452, QStringLiteral("Ergebnisse"), heading),
        caption("QRLabel25", 484, QStringLiteral("Max. Feldmoment")),
        symbol("QRLabel86", 484, "M"),
        at("QRLabel53", 265, 484 + kIndexDrop, QStringLiteral("f"), index),
        valueAt("QRLabel48", 400, 484),
        at("QRLabel65", 420, 484, QStringLiteral("kNcm")),
        caption("QRLabel26", 508, QStringLiteral("erford. Widerstandsmoment")),
        symbol("QRLabel87", 508, "W"),
        at("QRLabel54", 268, 508 + kIndexDrop, QStringLiteral("x (f)"), index),
        valueAt("QRLabel49", 400, 508),
        at("QRLabel66", 420, 508, QStringLiteral("cm³")),
        caption("QRLabel56", 532, QStringLiteral("Stützmoment")),
        symbol("QRLabel88", 532, "M"),
        at("QRLabel71", 265, 532 + kIndexDrop - 2, QStringLiteral("s")),
        valueAt("QRLabel57", 400, 532),
        at("QRLabel64", 420, 532, QStringLiteral("kNcm")),
        caption("QRLabel58", 556, QStringLiteral("erford. Widerstandsmoment")),
        symbol("QRLabel89", 556, "W"),
        at("QRLabel59", 268, 556 + kIndexDrop, QStringLiteral("x (S)"), index),
        valueAt("QRLabel60", 400, 556),
        at("QRLabel67", 420, 556, QStringLiteral("cm³")),
        caption("QRLabel22", 580, QStringLiteral("erforderliches Trägheitsmoment")),
        symbol("QRLabel90", 580, "I"),
        at("QRLabel50", 260, 580 + kIndexDrop, QStringLiteral("x"), index),
        valueAt("QRLabel45", 400, 580, boldValue),
        at("QRLabel61", 420, 580, QStringLiteral("cm")),
        at("QRLabel55", 438, 578, QStringLiteral("4"), exponent),
        caption("QRLabel77", 604, QStringLiteral("Durchbiegung der Konstruktion")),
        valueAt("QRLabel79", 400, 604),
        at("QRLabel82", 421, 604, QStringLiteral("mm")),
        caption("QRLabel78", 628, QStringLiteral("Durchbiegung der Scheibenkante")),
        valueAt("QRLabel80", 400, 628),
        at("QRLabel83", 421, 628, QStringLiteral("mm")),
    };

    layout.pictures += {
        drawing("QRImage1", QRect(399, 150, 209, 203), ":/sketches/pgm4_mullion.svg", true),
        drawing("QRImage3", QRect(403, 0, 201, 137), ":/sketches/pgm4_areas_de.svg", true),
        drawing("QRImage4", QRect(371, 0, 233, 161), ":/sketches/pgm4_areas_en.svg", true),
    };
    return layout;
}

Sheet makeDruck4(const FormTexts &texts)
{
    const FrameParameters frame = druck4Frame();
    Sheet sheet(withPlannerTexts(druck4Layout(), texts));

    fillFrameHeader(sheet, frame, texts.header);
    fillValues(sheet, kValues, texts);
    set(sheet, "QRLabel76", QString());

    // The elevation with the load influence area in the sheet's language; the axonometric
    // drawing prints in both.
    show(sheet, "QRImage3", !texts.english);
    show(sheet, "QRImage4", texts.english);

    if (texts.english) {
        applyFrameEnglish(sheet, frame);
        applyTexts(sheet, kEnglish, true);
    }
    return sheet;
}

} // namespace report
