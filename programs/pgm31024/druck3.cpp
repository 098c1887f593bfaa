#include "programs/pgm31024/druck3.h"

namespace report
{

namespace
{

// Each value label and the field of the rafter form it copies, in the order they are filled.
constexpr ValueSource kValues[] = {
    {"QRLabel78", "Edit15"}, // wind load w
    {"QRLabel44", "Edit13"}, // snow load s0
    {"QRLabel38", "Edit1"},  // roof pitch
    {"QRLabel39", "Edit6"},  // rafter length LP
    {"QRLabel40", "Edit2"},  // largest pane LS
    {"QRLabel41", "Edit4"},  // field width A
    {"QRLabel42", "Edit5"},  // field width B
    {"QRLabel43", "Edit7"},  // dead load g
    {"QRLabel45", "Edit8"},  // second moment of area
    {"QRLabel48", "Edit11"}, // bending moment
    {"QRLabel49", "Edit12"}, // section modulus
    {"QRLabel47", "Edit3"},  // rafter ratio nP
    {"QRLabel57", "Edit10"}, // pane-edge ratio nS
    {"QRLabel52", "Edit9"},  // rafter deflection at most, mm
    {"QRLabel59", "Edit14"}, // pane-edge deflection at most, mm
    {"QRLabel61", "Edit16"}, // deflection of the rafter
    {"QRLabel64", "Edit18"}, // deflection of the pane edge
};

const vb::Caption kEnglish[] = {
    {"QRLabel10", {{}, "Overhead construction  / roof construction"}},
    {"QRLabel13", {{}, "Construction"}},
    {"QRLabel15", {{}, "rafter length LP"}},
    {"QRLabel17", {{}, "span A"}},
    {"QRLabel18", {{}, "span B"}},
    {"QRLabel16", {{}, "longest glass edge LS"}},
    {"QRLabel14", {{}, "roof pitch"}},
    {"QRLabel68", {{}, "°"}},
    {"QRLabel24", {{}, "Deflection limits"}},
    {"QRLabel46", {{}, "allowed deflection of rafter"}},
    {"QRLabel51", {{}, "or max.             mm"}},
    {"QRLabel56", {{}, "allowed deflection of glass edge"}},
    {"QRLabel58", {{}, "or max.             mm"}},
    {"QRLabel12", {{}, "Load"}},
    {"QRLabel75", {{}, "wind load p"}},
    {"QRLabel20", {{}, "snow load"}},
    {"QRLabel19", {{}, "permanent load g"}},
    {"QRLabel21", {{}, "Results"}},
    {"QRLabel25", {{}, "max. bending moment"}},
    {"QRLabel26", {{}, "req. section modulus"}},
    {"QRLabel22", {{}, "req. moment of inertia"}},
    {"QRLabel60", {{}, "deflection of construction"}},
    {"QRLabel63", {{}, "deflection of glass edge"}},
};

// The load-case line names the wind rule that goes with the chosen snow rule.
const vb::Caption kDinLoadCase[] = {
    {"QRLabel11", "Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee nach DIN 1055T4",
     "Loading case: load resulting from permanent load, wind, snow according to DIN 1055-4:1975-06"}};
const vb::Caption kBsLoadCase[] = {
    {"QRLabel11", "Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee nach BS 6399-2",
     "Loading case: load resulting from permanent load, wind, snow according to BS 6399-2:1998"}};

} // namespace

FrameParameters druck3Frame()
{
    FrameParameters frame;
    frame.sheetName = QStringLiteral("TForm34");
    frame.logoName = QStringLiteral("QRImage3");
    frame.titleBandHeight = 85;
    frame.columnHeaderBandHeight = 40;
    frame.childBandHeight = 830;
    frame.titleBandRuleTop = 64;
    frame.titleLabelBand = kColumnHeaderBand;
    frame.titlePixelSize = 21;
    frame.creatorCaptionName = QStringLiteral("QRLabel79");
    frame.creatorValueName = QStringLiteral("QRLabel80");
    frame.disclaimerName = QStringLiteral("QRLabel76");
    frame.closingFirstRuleTop = 684;
    frame.materialTop = 704;
    frame.closingSecondRuleTop = 722;
    frame.notesTop = 746;
    frame.disclaimerGap = 24;
    frame.closingLastRuleTop = 812;
    return frame;
}

SheetLayout druck3Layout()
{
    SheetLayout layout = frameLayout(druck3Frame());
    const auto [heading, index, exponent, boldValue] = bodyFonts();

    layout.labels += {
        caption("QRLabel10", 8, QStringLiteral("Schräge Konstruktion (Schrägdach)"), heading),
        caption("QRLabel11", 32, kDinLoadCase[0].text.german),

        // Geometry: lengths and field widths in m, the pitch in degrees.
        caption("QRLabel13", 101, QStringLiteral("Konstruktion"), heading),
        caption("QRLabel15", 136, QStringLiteral("Sparrenlänge der Dachfläche ")),
        valueAt("QRLabel39", 280, 136),
        at("QRLabel65", 298, 136, QStringLiteral("m")),
        caption("QRLabel17", 160, QStringLiteral("Feldbreite A ")),
        valueAt("QRLabel41", 280, 160),
        at("QRLabel66", 298, 160, QStringLiteral("m")),
        caption("QRLabel18", 184, QStringLiteral("Feldbreite B")),
        valueAt("QRLabel42", 280, 184),
        at("QRLabel67", 298, 184, QStringLiteral("m")),
        caption("QRLabel16", 208, QStringLiteral("Länge größte Scheibe LS")),
        valueAt("QRLabel40", 280, 208),
        at("QRLabel69", 298, 208, QStringLiteral("m")),
        caption("QRLabel14", 232, QStringLiteral("Dachneigung")),
        valueAt("QRLabel38", 280, 232),
        at("QRLabel68", 298, 232, QStringLiteral("° (Grad)")),

        // Deflection limits: span / n, or at most c mm; the maximum stands in the gap of its caption.
        caption("QRLabel24", 293, QStringLiteral("Durchbiegungsbeschränkungen"), heading),
        caption("QRLabel46", 328, QStringLiteral("zulässige Durchbiegung des Sparrens")),
        at("QRLabel50", 288, 328, QStringLiteral("L /")),
        valueAt("QRLabel47", 344, 328),
        at("QRLabel51", 352, 328, QStringLiteral("bzw. max.          mm")),
        valueAt("QRLabel52", 451, 328),
        caption("QRLabel56", 352, QStringLiteral("zulässige Durchbiegung der Scheibenkante")),
        at("QRLabel55", 288, 352, QStringLiteral("L /")),
        valueAt("QRLabel57", 344, 352),
        at("QRLabel58", 352, 352, QStringLiteral("bzw. max.          mm")),
        valueAt("QRLabel59", 451, 352),

        // Loads in kN/m²; the snow load carries the symbol s with a lowered o.
        caption("QRLabel12", 389, QStringLiteral("Belastung"), heading),
        caption("QRLabel75", 416, QStringLiteral("Windlast w")),
        valueAt("QRLabel78", 280, 416),
        at("QRLabel70", 298, 416, QStringLiteral("kN/m²")),
        caption("QRLabel20", 440, QStringLiteral("Schneelast")),
        at("QRLabel73", 80, 440, QStringLiteral("s")),
        at("QRLabel74", 87, 446, QStringLiteral("o"), index),
        valueAt("QRLabel44", 280, 440),
        at("QRLabel71", 298, 440, QStringLiteral("kN/m²")),
        caption("QRLabel19", 464, QStringLiteral("Eigenlast g")),
        valueAt("QRLabel43", 280, 464),
        at("QRLabel72", 298, 464, QStringLiteral("kN/m²")),

        // Results: moment in kNcm, section modulus in cm³, second moment of area in cm⁴,
        // deflections in mm. Symbols with lowered indices and a raised exponent.
        caption("QRLabel21", 500, QStringLiteral("Ergebnisse"), heading),
        caption("QRLabel25", 540, QStringLiteral("Max. Feldmoment")),
        at("QRLabel23", 230, 540, QStringLiteral("M")),
        at("QRLabel27", 245, 546, QStringLiteral("f"), index),
        valueAt("QRLabel48", 340, 540),
        at("QRLabel29", 357, 540, QStringLiteral("kNcm")),
        caption("QRLabel26", 564, QStringLiteral("erford. Widerstandsmoment")),
        at("QRLabel32", 230, 564, QStringLiteral("W")),
        at("QRLabel53", 246, 570, QStringLiteral("x (f)"), index),
        valueAt("QRLabel49", 340, 564),
        at("QRLabel54", 357, 564, QStringLiteral("cm³")),
        caption("QRLabel22", 588, QStringLiteral("erforderliches Trägheitsmoment")),
        at("QRLabel62", 230, 588, QStringLiteral("I")),
        at("QRLabel77", 236, 594, QStringLiteral("x"), index),
        valueAt("QRLabel45", 340, 588, boldValue),
        at("QRLabel81", 357, 588, QStringLiteral("cm")),
        at("QRLabel82", 377, 586, QStringLiteral("4"), exponent),
        caption("QRLabel60", 612, QStringLiteral("Durchbiegung der Konstruktion")),
        valueAt("QRLabel61", 340, 612),
        at("QRLabel83", 357, 612, QStringLiteral("mm")),
        caption("QRLabel63", 636, QStringLiteral("Durchbiegung der Scheibenkante")),
        valueAt("QRLabel64", 340, 636),
        at("QRLabel84", 357, 636, QStringLiteral("mm")),
    };

    layout.pictures += {
        drawing("QRImage1", QRect(350, 56, 256, 208), ":/sketches/pgm3_rafter.svg", true),
        drawing("QRImage2", QRect(97, 233, 14, 14), ":/sketches/pgm3_alpha.svg", true),
    };
    return layout;
}

Sheet makeDruck3(const FormTexts &texts)
{
    const FrameParameters frame = druck3Frame();
    Sheet sheet(withPlannerTexts(druck3Layout(), texts));

    if (texts.english) {
        applyFrameEnglish(sheet, frame);
        applyTexts(sheet, kEnglish, true);
    }
    // The load case follows the snow rule chosen on the form at the moment of printing.
    applyTexts(sheet, texts.option("RadioButton3") ? kBsLoadCase : kDinLoadCase, texts.english);

    fillFrameHeader(sheet, frame, texts.header);
    fillValues(sheet, kValues, texts);
    return sheet;
}

} // namespace report
