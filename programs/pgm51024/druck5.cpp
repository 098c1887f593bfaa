#include "programs/pgm51024/druck5.h"

namespace report
{

namespace
{

// Value label ← field of TForm27, in the order the sheet is filled.
constexpr ValueSource kValues[] = {
    {"QRLabel39", "Edit6"},  // L1
    {"QRLabel57", "Edit3"},  // L2
    {"QRLabel41", "Edit4"},  // field width A
    {"QRLabel42", "Edit5"},  // field width B
    {"QRLabel40", "Edit2"},  // LS
    {"QRLabel38", "Edit1"},  // roof pitch
    {"QRLabel51", "Edit9"},  // ratio n of the rafter
    {"QRLabel73", "Edit10"}, // maximum rafter deflection, mm
    {"QRLabel52", "Edit14"}, // ratio n of the glass edge
    {"QRLabel82", "Edit16"}, // maximum glass-edge deflection, mm
    {"QRLabel90", "Edit19"}, // wind load
    {"QRLabel44", "Edit13"}, // snow load
    {"QRLabel43", "Edit7"},  // dead load
    {"QRLabel48", "Edit11"}, // span moment
    {"QRLabel49", "Edit12"}, // section modulus for the span moment
    {"QRLabel62", "Edit17"}, // support moment
    {"QRLabel70", "Edit18"}, // section modulus for the support moment
    {"QRLabel45", "Edit8"},  // required second moment of area
    {"QRLabel85", "Edit20"}, // deflection of the construction, mm
    {"QRLabel86", "Edit21"}, // deflection of the glass edge, mm
};

// The load-case line names the rule the loads follow: DIN with RadioButton4, else BS.
const vb::Caption kDinLoadCase[] = {
    {"QRLabel11",
     "Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee nach DIN 1055-4:1975-06",
     "Loading case: load resulting from permanent load, wind, snow according to DIN 1055-4:1975-06"}};
const vb::Caption kBsLoadCase[] = {
    {"QRLabel11", "Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee nach BS 6399-2:1998",
     "Loading case: load resulting from permanent load, wind, snow according to BS 6399-2:1998"}};

const vb::Caption kEnglish[] = {
    {"QRLabel10", {{}, "Overhead construction / roof construction, mullion as two-span beam"}},
    {"QRLabel64", {{}, "Requirements:"}},
    {"QRLabel65", {{}, "The rafter has to be led bending resistant"}},
    {"QRLabel92", {{}, "across the middle bearing."}},
    {"QRLabel13", {{}, "Construction"}},
    {"QRLabel15", {{}, "rafter length L1"}},
    {"QRLabel56", {{}, "rafter length L2"}},
    {"QRLabel16", {{}, "longest glass edge LS"}},
    {"QRLabel17", {{}, "span A"}},
    {"QRLabel18", {{}, "span B"}},
    {"QRLabel14", {{}, "roof pitch"}},
    {"QRLabel63", {{}, "°"}},
    {"QRLabel46", {{}, "allowed deflection of rafter"}},
    {"QRLabel47", {{}, "allowed deflection of glass edge"}},
    {"QRLabel58", {{}, "or max.             mm"}},
    {"QRLabel72", {{}, "or max.             mm"}},
    {"QRLabel24", {{}, "Deflection limits"}},
    {"QRLabel12", {{}, "Load"}},
    {"QRLabel81", {{}, "wind load p"}},
    {"QRLabel20", {{}, "snow load"}},
    {"QRLabel19", {{}, "permanent load g"}},
    {"QRLabel21", {{}, "Results"}},
    {"QRLabel25", {{}, "max. bending moment"}},
    {"QRLabel26", {{}, "req. section modulus"}},
    {"QRLabel60", {{}, "req. section modulus"}},
    {"QRLabel59", {{}, "support moment"}},
    {"QRLabel22", {{}, "req. moment of inertia"}},
    {"QRLabel83", {{}, "deflection of construction"}},
    {"QRLabel84", {{}, "deflection of glass edge"}},
};

} // namespace

FrameParameters druck5Frame()
{
    FrameParameters frame;
    frame.sheetName = QStringLiteral("TForm36");
    frame.logoName = QStringLiteral("QRImage3");
    frame.titleBandHeight = 85;
    frame.columnHeaderBandHeight = 40;
    frame.childBandHeight = 816;
    frame.titleBandRuleTop = 64;
    frame.titleLabelBand = kColumnHeaderBand;
    frame.titlePixelSize = 19;
    frame.creatorCaptionName = QStringLiteral("QRLabel93");
    frame.creatorValueName = QStringLiteral("QRLabel94");
    frame.disclaimerName = QStringLiteral("QRLabel88");
    frame.closingFirstRuleTop = 655;
    frame.materialTop = 675;
    frame.closingSecondRuleTop = 693;
    frame.notesTop = 714;
    frame.disclaimerGap = 24;
    frame.closingLastRuleTop = 780;
    return frame;
}

SheetLayout druck5Layout()
{
    SheetLayout layout = frameLayout(druck5Frame());
    const auto [heading, index, exponent, boldValue] = bodyFonts(12);

    layout.labels += {
        // System, load case and the condition on the rafter.
        caption("QRLabel10", 8, QStringLiteral("Schräge Konstruktion (Schrägdach), Zweifeldträger"), heading),
        caption("QRLabel11", 32, kDinLoadCase[0].text.german),
        caption("QRLabel64", 52, QStringLiteral("Bedingung:")),
        at("QRLabel65", 104, 52, QStringLiteral("Der Sparren muß biegesteif über ")),
        at("QRLabel92", 103, 72, QStringLiteral("das mittlere Auflager geführt werden.")),

        // Geometry: rafter lengths, field widths and pane in m, pitch in degrees.
        caption("QRLabel13", 93, QStringLiteral("Konstruktion"), heading),
        caption("QRLabel15", 120, QStringLiteral("Sparrenlänge der Dachfl. L1 ")),
        valueAt("QRLabel39", 288, 120),
        at("QRLabel66", 312, 120, QStringLiteral("m")),
        caption("QRLabel56", 144, QStringLiteral("Sparrenlänge der Dachfl. L2 ")),
        valueAt("QRLabel57", 288, 144),
        at("QRLabel67", 312, 144, QStringLiteral("m")),
        caption("QRLabel17", 168, QStringLiteral("Feldbreite A ")),
        valueAt("QRLabel41", 288, 168),
        at("QRLabel69", 312, 168, QStringLiteral("m")),
        caption("QRLabel18", 192, QStringLiteral("Feldbreite B")),
        valueAt("QRLabel42", 288, 192),
        at("QRLabel78", 312, 192, QStringLiteral("m")),
        caption("QRLabel16", 216, QStringLiteral("Länge größte Scheibe  LS")),
        valueAt("QRLabel40", 288, 216),
        at("QRLabel68", 312, 216, QStringLiteral("m")),
        caption("QRLabel14", 240, QStringLiteral("Dachneigung")),
        valueAt("QRLabel38", 288, 240),
        at("QRLabel63", 312, 240, QStringLiteral("° (Grad)")),

        // Deflection limits: span / n, or at most c mm; the cap stands in the gap of its caption.
        caption("QRLabel24", 277, QStringLiteral("Durchbiegungsbeschränkungen"), heading),
        caption("QRLabel46", 312, QStringLiteral("zulässige Durchbiegung des Sparrens")),
        at("QRLabel95", 284, 312, QStringLiteral("L /")),
        valueAt("QRLabel51", 344, 312),
        at("QRLabel58", 352, 312, QStringLiteral("bzw. max.          mm")),
        valueAt("QRLabel73", 451, 312),
        caption("QRLabel47", 336, QStringLiteral("zulässige Durchbiegung der Scheibenkante")),
        at("QRLabel96", 284, 336, QStringLiteral("L /")),
        valueAt("QRLabel52", 344, 336),
        at("QRLabel72", 352, 336, QStringLiteral("bzw. max.          mm")),
        valueAt("QRLabel82", 451, 336),

        // Loads in kN/m²: wind on the roof surface, snow on plan, dead load on the surface.
        caption("QRLabel12", 365, QStringLiteral("Belastung"), heading),
        caption("QRLabel81", 392, QStringLiteral("Windlast w")),
        valueAt("QRLabel90", 288, 392),
        at("QRLabel23", 312, 392, QStringLiteral("kN/m²")),
        caption("QRLabel20", 416, QStringLiteral("Schneelast")),
        at("QRLabel102", 80, 416, QStringLiteral("s")),
        at("QRLabel103", 87, 422, QStringLiteral("o"), index),
        valueAt("QRLabel44", 288, 416),
        at("QRLabel80", 312, 416, QStringLiteral("kN/m²")),
        caption("QRLabel19", 440, QStringLiteral("Eigenlast g")),
        valueAt("QRLabel43", 288, 440),
        at("QRLabel79", 312, 440, QStringLiteral("kN/m²")),

        // Results: moments in kNcm, section moduli in cm³, second moment of area in cm⁴,
        // deflections in mm. Symbols with lowered indices and a raised exponent.
        caption("QRLabel21", 468, QStringLiteral("Ergebnisse"), heading),
        caption("QRLabel25", 492, QStringLiteral("Max. Feldmoment M ")),
        at("QRLabel97", 244, 492, QStringLiteral("M")),
        at("QRLabel53", 259, 498, QStringLiteral("f"), index),
        valueAt("QRLabel48", 432, 492),
        at("QRLabel74", 452, 492, QStringLiteral("kNcm")),
        caption("QRLabel26", 516, QStringLiteral("erforderliches Widerstandsmoment")),
        at("QRLabel98", 244, 516, QStringLiteral("W")),
        at("QRLabel54", 260, 522, QStringLiteral("x (f)"), index),
        valueAt("QRLabel49", 432, 516),
        at("QRLabel75", 452, 516, QStringLiteral("cm³")),
        caption("QRLabel59", 540, QStringLiteral("Stützmoment")),
        at("QRLabel99", 244, 540, QStringLiteral("M")),
        at("QRLabel87", 259, 544, QStringLiteral("s")),
        valueAt("QRLabel62", 432, 540),
        at("QRLabel76", 452, 540, QStringLiteral("kNcm")),
        caption("QRLabel60", 564, QStringLiteral("erforderliches Widerstandsmoment")),
        at("QRLabel100", 244, 564, QStringLiteral("W")),
        at("QRLabel61", 260, 570, QStringLiteral("x (S)"), index),
        valueAt("QRLabel70", 432, 564),
        at("QRLabel77", 452, 564, QStringLiteral("cm³")),
        caption("QRLabel22", 588, QStringLiteral("erforderliches Trägheitsmoment")),
        at("QRLabel101", 244, 588, QStringLiteral("I")),
        at("QRLabel50", 257, 594, QStringLiteral("x"), index),
        valueAt("QRLabel45", 432, 588, boldValue),
        at("QRLabel71", 452, 588, QStringLiteral("cm")),
        at("QRLabel55", 471, 585, QStringLiteral("4"), exponent),
        caption("QRLabel83", 612, QStringLiteral("Durchbiegung der Konstruktion")),
        valueAt("QRLabel85", 432, 612),
        at("QRLabel89", 453, 612, QStringLiteral("mm")),
        caption("QRLabel84", 636, QStringLiteral("Durchbiegung der Scheibenkante")),
        valueAt("QRLabel86", 432, 636),
        at("QRLabel91", 453, 636, QStringLiteral("mm")),
    };

    layout.pictures += {
        drawing("QRImage1", QRect(380, 75, 220, 177), ":/sketches/pgm5_roof.svg", true),
        drawing("QRImage2", QRect(97, 240, 14, 14), ":/sketches/pgm5_alpha.svg", true),
    };
    return layout;
}

Sheet makeDruck5(const FormTexts &texts)
{
    const FrameParameters frame = druck5Frame();
    Sheet sheet(withPlannerTexts(druck5Layout(), texts));

    fillFrameHeader(sheet, frame, texts.header);
    fillValues(sheet, kValues, texts);
    if (texts.english) {
        applyFrameEnglish(sheet, frame);
        applyTexts(sheet, kEnglish, true);
    }
    applyTexts(sheet, texts.option("RadioButton4") ? kDinLoadCase : kBsLoadCase, texts.english);
    return sheet;
}

} // namespace report
