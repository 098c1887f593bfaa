#include "programs/pgm61024/druck6.h"

namespace report
{

namespace
{

// Value label ← form field, filled after the load row.
constexpr ValueSource kValues[] = {
    {"QRLabel41", "Edit1"},  // span B [m]
    {"QRLabel42", "Edit13"}, // pane height H [m]
    {"QRLabel44", "Edit3"},  // setting-block distance c [m]
    {"QRLabel49", "Edit7"},  // allowable deflection f [mm]
    {"QRLabel47", "Edit6"},  // reaction F [kN]
    {"QRLabel48", "Edit9"},  // weight G [kN]
    {"QRLabel52", "Edit10"}, // moment M [kNcm]
    {"QRLabel46", "Edit8"},  // section modulus W [cm³]
    {"QRLabel45", "Edit5"},  // second moment of area I [cm⁴]
};

// The load row: a glass pane of thickness t in mm, or an infill of weight q in kN/m².
const vb::Caption kGlassTexts[] = {
    {"QRLabel19", "Glasdicke (ohne LZR)", "thickness of glass (without air space)"},
    {"QRLabel16", {"mm", {}}},
};
const vb::Caption kInfillTexts[] = {
    {"QRLabel19", "Füllgewicht", "weight of filling"},
    {"QRLabel16", {"kN/m²", {}}},
};
constexpr ValueSource kGlassValues[] = {{"QRLabel43", "Edit14"}};
constexpr ValueSource kInfillValues[] = {{"QRLabel43", "Edit2"}};

const vb::Caption kEnglish[] = {
    {"QRLabel10", {{}, "Dimensioning of transom"}},
    {"QRLabel11", {{}, "Loading case: load of transom and filling"}},
    {"QRLabel69", {{}, "Requirements"}},
    {"QRLabel70", {{}, "load of transom: 0.03 kN/m"}},
    {"QRLabel71", {{}, "span = width of glass / filling"}},
    {"QRLabel13", {{}, "Construction"}},
    {"QRLabel64", {{}, "Deflection limits"}},
    {"QRLabel65", {{}, "Load"}},
    {"QRLabel21", {{}, "Results"}},
    {"QRLabel17", {{}, "span"}},
    {"QRLabel18", {{}, "height"}},
    {"QRLabel20", {{}, "distance c from glass edge to center of support"}},
    {"QRLabel23", {{}, "deflection of transom"}},
    {"QRLabel51", {{}, "transom"}},
    {"QRLabel24", {{}, "reaction force"}},
    {"QRLabel12", {{}, "weight of glass / filling"}},
    {"QRLabel25", {{}, "max. bending moment"}},
    {"QRLabel26", {{}, "req. section modulus"}},
    {"QRLabel22", {{}, "req. moment of inertia"}},
};

// Inputs end at x = 345 with their unit at 352; results end at 369 with their unit at 392.
constexpr int kInputRight = 345, kInputUnit = 352;
constexpr int kResultRight = 369, kResultUnit = 392, kSymbol = 219;
// The bold caption of the second moment of area ends at 229.6, past the symbols' column: its
// symbol I with the index y stands a blank after it.
constexpr int kBoldCaptionSymbol = kSymbol + 15;

} // namespace

FrameParameters druck6Frame()
{
    FrameParameters frame;
    frame.sheetName = QStringLiteral("TForm37");
    frame.logoName = QStringLiteral("QRImage2");
    frame.titleBandHeight = 85;
    frame.columnHeaderBandHeight = 40;
    frame.childBandHeight = 816;
    frame.titleBandRuleTop = 64;
    frame.titleLabelBand = kColumnHeaderBand;
    frame.titlePixelSize = 19;
    frame.creatorCaptionName = QStringLiteral("QRLabel40");
    frame.creatorValueName = QStringLiteral("QRLabel62");
    frame.disclaimerName = QStringLiteral("QRLabel39");
    frame.closingFirstRuleTop = 631;
    frame.materialTop = 660;
    frame.closingSecondRuleTop = 676;
    frame.notesTop = 708;
    frame.disclaimerGap = 24;
    frame.closingLastRuleTop = 780;
    return frame;
}

SheetLayout druck6Layout()
{
    SheetLayout layout = frameLayout(druck6Frame());
    const auto [heading, index, exponent, bold] = bodyFonts();

    layout.labels += {
        // Load case and the conditions the sizing rests on.
        caption("QRLabel10", 8, QStringLiteral("Riegel-Bemessung"), heading),
        caption("QRLabel11", 32, QStringLiteral("Lastfall: Riegeleigengewicht und Füllung")),
        caption("QRLabel69", 56, QStringLiteral("Bedingungen"), heading),
        caption("QRLabel70", 80, QStringLiteral("Riegeleigengewicht: 0,03 kN/m")),
        caption("QRLabel71", 104, QStringLiteral("Feldbreite = Scheibenbreite")),

        // Geometry in m.
        caption("QRLabel13", 133, QStringLiteral("Konstruktion"), heading),
        caption("QRLabel17", 160, QStringLiteral("Feldbreite")),
        valueAt("QRLabel41", kInputRight, 160),
        at("QRLabel14", kInputUnit, 160, QStringLiteral("m")),
        caption("QRLabel18", 184, QStringLiteral("Länge")),
        valueAt("QRLabel42", kInputRight, 184),
        at("QRLabel15", kInputUnit, 184, QStringLiteral("m")),
        caption("QRLabel20", 208, QStringLiteral("Klotzungsabstand c")),
        valueAt("QRLabel44", kInputRight, 208),
        at("QRLabel38", kInputUnit, 208, QStringLiteral("m")),

        // Allowable mid-span deflection in mm.
        caption("QRLabel64", 253, QStringLiteral("Durchbiegungsbeschränkungen"), heading),
        caption("QRLabel23", 280, QStringLiteral("Durchbiegung des Riegels")),
        at("QRLabel63", kSymbol, 280, QStringLiteral("f")),
        at("QRLabel51", kSymbol + 6, 286, QStringLiteral("Riegel"), index),
        valueAt("QRLabel49", kInputRight, 280),
        at("QRLabel60", kInputUnit, 280, QStringLiteral("mm")),

        // Glass thickness in mm or infill weight in kN/m², as the option says.
        caption("QRLabel65", 317, QStringLiteral("Belastung"), heading),
        caption("QRLabel19", 344, QStringLiteral("Glasdicke (ohne LZR)")),
        valueAt("QRLabel43", kInputRight, 344),
        at("QRLabel16", kInputUnit, 344, QStringLiteral("mm")),

        // Results: forces in kN, moment in kNcm, W in cm³, I in cm⁴.
        caption("QRLabel21", 412, QStringLiteral("Ergebnisse"), heading),
        caption("QRLabel24", 444, QStringLiteral("Auflagerkraft")),
        at("QRLabel72", kSymbol, 444, QStringLiteral("F")),
        valueAt("QRLabel47", kResultRight, 444),
        at("QRLabel58", kResultUnit, 444, QStringLiteral("kN")),
        caption("QRLabel12", 468, QStringLiteral("Glas- oder Füllungsgewicht ")),
        valueAt("QRLabel48", kResultRight, 468),
        at("QRLabel59", kResultUnit, 468, QStringLiteral("kN")),
        caption("QRLabel25", 492, QStringLiteral("Max. Feldmoment")),
        at("QRLabel66", kSymbol, 492, QStringLiteral("M")),
        at("QRLabel53", kSymbol + 15, 498, QStringLiteral("f"), index),
        valueAt("QRLabel52", kResultRight, 492),
        at("QRLabel61", kResultUnit, 492, QStringLiteral("kNcm")),
        caption("QRLabel26", 516, QStringLiteral("erford. Widerstandsmoment")),
        at("QRLabel67", kSymbol, 516, QStringLiteral("W")),
        at("QRLabel54", kSymbol + 16, 522, QStringLiteral("y"), index),
        valueAt("QRLabel46", kResultRight, 516),
        at("QRLabel57", kResultUnit, 516, QStringLiteral("cm³")),
        caption("QRLabel22", 540, QStringLiteral("erforderliches Trägheitsmoment"), bold),
        at("QRLabel68", kBoldCaptionSymbol, 540, QStringLiteral("I")),
        at("QRLabel50", kBoldCaptionSymbol + 6, 546, QStringLiteral("y"), index),
        valueAt("QRLabel45", kResultRight, 540),
        at("QRLabel56", kResultUnit, 540, QStringLiteral("cm")),
        at("QRLabel55", kResultUnit + 20, 538, QStringLiteral("4"), exponent),
    };

    layout.pictures += {
        drawing("QRImage1", QRect(411, 56, 201, 239), ":/sketches/pgm6_system_de.svg", true),
        drawing("QRImage3", QRect(403, 60, 201, 241), ":/sketches/pgm6_system_en.svg", true),
    };
    return layout;
}

Sheet makeDruck6(const FormTexts &texts)
{
    const FrameParameters frame = druck6Frame();
    Sheet sheet(withPlannerTexts(druck6Layout(), texts));
    const bool english = texts.english;

    show(sheet, "QRImage1", !english);
    show(sheet, "QRImage3", english);
    if (english) {
        applyFrameEnglish(sheet, frame);
        applyTexts(sheet, kEnglish, true);
    }
    fillFrameHeader(sheet, frame, texts.header);

    // The load row follows the option chosen on the form when "Drucken" was pressed.
    const bool glass = texts.option("RadioButton1");
    applyTexts(sheet, glass ? kGlassTexts : kInfillTexts, english);
    fillValues(sheet, glass ? kGlassValues : kInfillValues, texts);
    fillValues(sheet, kValues, texts);
    return sheet;
}

} // namespace report
