#include "programs/pgm21024/druck2.h"

namespace report
{

namespace
{

// Value label ← form field, in the order in which the sheet is filled.
constexpr ValueSource kValues[] = {
    {"QRLabel38", "Edit1"},  // mullion length LP [m]
    {"QRLabel40", "Edit2"},  // field width A [m]
    {"QRLabel41", "Edit3"},  // field width B [m]
    {"QRLabel71", "Edit5"},  // deflection limit LP/n: n
    {"QRLabel15", "Edit7"},  // load height c [m]
    {"QRLabel45", "Edit8"},  // required second moment of area [cm⁴]
    {"QRLabel48", "Edit11"}, // maximum moment [kNcm]
    {"QRLabel49", "Edit12"}, // required section modulus [cm³]
    {"QRLabel24", "Edit6"},  // deflection limit, at most [mm]
    {"QRLabel72", "Edit14"}, // barrier load qk [kN/m]
    {"QRLabel52", "Edit10"}, // governing allowable deflection [mm]
};

// The body's captions in English; symbols and units stay as designed.
const vb::Caption kEnglish[] = {
    {"QRLabel10", {{}, "Facade section: mullion with horizontal imposed load"}},
    {"QRLabel11", {{}, "Loading case: linear load"}},
    {"QRLabel13", {{}, "Construction"}},
    {"QRLabel14", {{}, "length LP"}},
    {"QRLabel16", {{}, "span A"}},
    {"QRLabel17", {{}, "span B"}},
    {"QRLabel12", {{}, "loads application heigth c related to bearing"}},
    {"QRLabel20", {{}, "Deflection limits"}},
    {"QRLabel19", {{}, "allowed deflection of mullion"}},
    {"QRLabel23", {{}, "and/or deflection of glass edge"}},
    {"QRLabel73", {{}, "or max.             mm"}},
    {"QRLabel39", {{}, "Load"}},
    {"QRLabel43", {{}, "horizontal imposed load qk"}},
    {"QRLabel21", {{}, "Results"}},
    {"QRLabel25", {{}, "max. bending moment"}},
    {"QRLabel26", {{}, "req. section modulus"}},
    {"QRLabel22", {{}, "req. moment of inertia"}},
    {"QRLabel42", {{}, "deflection of construction"}},
    {"QRLabel51", {{}, "and/or deflection of glass edge"}},
};

} // namespace

FrameParameters druck2Frame()
{
    FrameParameters frame;
    frame.sheetName = QStringLiteral("TForm33");
    frame.logoName = QStringLiteral("QRImage2");
    frame.titleBandHeight = 85;
    frame.columnHeaderBandHeight = 40;
    frame.childBandHeight = 816;
    frame.titleBandRuleTop = 64;
    frame.titleLabelBand = kColumnHeaderBand;
    frame.titlePixelSize = 21;
    frame.creatorCaptionName = QStringLiteral("QRLabel44");
    frame.creatorValueName = QStringLiteral("QRLabel47");
    frame.disclaimerName = QStringLiteral("QRLabel74");
    frame.closingFirstRuleTop = 660;
    frame.materialTop = 680;
    frame.closingSecondRuleTop = 698;
    frame.notesTop = 722;
    frame.disclaimerGap = 24;
    frame.closingLastRuleTop = 788;
    return frame;
}

SheetLayout druck2Layout()
{
    SheetLayout layout = frameLayout(druck2Frame());
    const auto [heading, index, exponent, boldValue] = bodyFonts();

    layout.labels += {
        // Construction and load case.
        caption("QRLabel10", 8, QStringLiteral("Fassadensystem: Pfosten mit horizentaler Verkehrslast"),
                heading),
        caption("QRLabel11", 32, QStringLiteral("Lastfall: Linienlast")),

        // Geometry in m: the mullion, the fields beside it and the height of the handrail load.
        caption("QRLabel13", 77, QStringLiteral("Konstruktion"), heading),
        caption("QRLabel14", 128, QStringLiteral("Länge Pfosten LP")),
        valueAt("QRLabel38", 320, 128),
        at("QRLabel53", 328, 128, QStringLiteral("m")),
        caption("QRLabel16", 152, QStringLiteral("Feldbreite A")),
        valueAt("QRLabel40", 320, 152),
        at("QRLabel54", 328, 152, QStringLiteral("m")),
        caption("QRLabel17", 178, QStringLiteral("Feldbreite B")),
        valueAt("QRLabel41", 320, 178),
        at("QRLabel55", 328, 178, QStringLiteral("m")),
        caption("QRLabel12", 202, QStringLiteral("Höhe c Lastangriff vom Auflager")),
        valueAt("QRLabel15", 320, 202),
        at("QRLabel56", 328, 202, QStringLiteral("m")),

        // Deflection limit: span / n, or at most so many mm; the maximum stands in the gap
        // of its caption.
        caption("QRLabel20", 317, QStringLiteral("Durchbiegungsbeschränkungen"), heading),
        caption("QRLabel19", 352, QStringLiteral("zulässige Durchbiegung des Pfostens")),
        caption("QRLabel23", 376, QStringLiteral("bzw. der Scheibenkante")),
        at("QRLabel57", 280, 376, QStringLiteral("L /")),
        valueAt("QRLabel71", 344, 376),
        at("QRLabel73", 352, 376, QStringLiteral("bzw. max.          mm")),
        valueAt("QRLabel24", 451, 376),

        // Barrier load in kN/m.
        caption("QRLabel39", 405, QStringLiteral("Belastung"), heading),
        caption("QRLabel43", 432, QStringLiteral("Horizontale Verkehrslast qk")),
        valueAt("QRLabel72", 248, 432),
        at("QRLabel58", 256, 432, QStringLiteral("kN/m")),

        // Results: moment in kNcm, section modulus in cm³, second moment of area in cm⁴,
        // allowable deflection in mm. Symbols with lowered indices and a raised exponent.
        caption("QRLabel21", 516, QStringLiteral("Ergebnisse"), heading),
        caption("QRLabel25", 540, QStringLiteral("Max. Feldmoment")),
        at("QRLabel59", 248, 540, QStringLiteral("M")),
        at("QRLabel60", 263, 546, QStringLiteral("f"), index),
        valueAt("QRLabel48", 432, 540),
        at("QRLabel61", 456, 540, QStringLiteral("kNcm")),
        caption("QRLabel26", 564, QStringLiteral("erford. Widerstandsmoment")),
        at("QRLabel62", 248, 564, QStringLiteral("W")),
        at("QRLabel63", 264, 570, QStringLiteral("x (f)"), index),
        valueAt("QRLabel49", 432, 564),
        at("QRLabel64", 456, 564, QStringLiteral("cm³")),
        caption("QRLabel22", 588, QStringLiteral("erforderliches Trägheitsmoment")),
        at("QRLabel65", 248, 588, QStringLiteral("I")),
        at("QRLabel66", 254, 594, QStringLiteral("x"), index),
        valueAt("QRLabel45", 432, 588, boldValue),
        at("QRLabel67", 456, 588, QStringLiteral("cm")),
        at("QRLabel68", 476, 586, QStringLiteral("4"), exponent),
        caption("QRLabel42", 612, QStringLiteral("Durchbiegung der Konstruktion")),
        caption("QRLabel51", 636, QStringLiteral("bzw. der Scheibenkante")),
        valueAt("QRLabel52", 432, 636),
        at("QRLabel69", 456, 636, QStringLiteral("mm")),
    };

    layout.pictures += {
        drawing("QRImage1", QRect(348, 40, 250, 235), ":/sketches/pgm2_system.svg", true),
    };
    return layout;
}

Sheet makeDruck2(const FormTexts &texts)
{
    const FrameParameters frame = druck2Frame();
    Sheet sheet(withPlannerTexts(druck2Layout(), texts));
    // The sketch is the same in both languages.
    if (texts.english) {
        applyFrameEnglish(sheet, frame);
        applyTexts(sheet, kEnglish, true);
    }
    fillFrameHeader(sheet, frame, texts.header);
    fillValues(sheet, kValues, texts);
    return sheet;
}

} // namespace report
