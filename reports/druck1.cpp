#include "reports/druck1.h"

#include "reports/sheetitems.h"

namespace report
{

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

Sheet makeDruck1(const Pgm1SheetInput &in)
{
    const FrameParameters frame = druck1Frame();
    Sheet sheet(druck1Layout());

    if (in.english) {
        applyFrameEnglish(sheet, frame);
        set(sheet, "QRLabel13", QStringLiteral("Construction"));
        set(sheet, "QRLabel20", QStringLiteral("Deflection limits"));
        set(sheet, "QRLabel19", QStringLiteral("Load"));
        set(sheet, "QRLabel21", QStringLiteral("Results"));
        set(sheet, "QRLabel66", QStringLiteral("wind load p"));
        set(sheet, "QRLabel25", QStringLiteral("max. bending moment"));
        set(sheet, "QRLabel26", QStringLiteral("req. section modulus"));
        set(sheet, "QRLabel22", QStringLiteral("req. moment of inertia"));
    }

    fillFrameHeader(sheet, frame,
                    HeaderValues{in.project, in.positionNumber, in.company, in.creator, in.date, in.time});

    set(sheet, "QRLabel72", in.edit14);
    set(sheet, "QRLabel41", in.edit3);

    if (!in.transom) {
        // Mullion under a uniform line load.
        set(sheet, "QRLabel10", QStringLiteral("Fassadensystem: Pfosten"));
        set(sheet, "QRLabel11", QStringLiteral("Lastfall: gleichmäßige Streckenlast"));
        set(sheet, "QRLabel14", QStringLiteral("Länge Pfosten LP"));
        set(sheet, "QRLabel38", in.edit1);
        set(sheet, "QRLabel15", QStringLiteral("Länge größte Scheibe LS"));
        set(sheet, "QRLabel60", QStringLiteral("m"));
        set(sheet, "QRLabel18", QStringLiteral("zulässige Durchbiegung des Pfostens"));
        show(sheet, "QRImage1", true);
        show(sheet, "QRImage3", true);
        show(sheet, "QRImage2", false);
        show(sheet, "QRImage5", false);
        show(sheet, "QRImage6", false);
        set(sheet, "QRLabel46", in.edit9);
        set(sheet, "QRLabel52", in.edit10);
        set(sheet, "QRLabel42", in.edit4);
        set(sheet, "QRLabel67", in.edit15);
        if (in.english) {
            show(sheet, "QRImage3", false);
            show(sheet, "QRImage5", true);
            set(sheet, "QRLabel10", QStringLiteral("Facade section: mullion"));
            set(sheet, "QRLabel11", QStringLiteral("Loading case: rectangular load"));
            set(sheet, "QRLabel14", QStringLiteral("length LP"));
            set(sheet, "QRLabel15", QStringLiteral("longest glass edge LS"));
            set(sheet, "QRLabel16", QStringLiteral("span A"));
            set(sheet, "QRLabel17", QStringLiteral("span B"));
            set(sheet, "QRLabel18", QStringLiteral("allowed deflection of mullion"));
            set(sheet, "QRLabel68", QStringLiteral("allowed deflection of glass edge"));
            set(sheet, "QRLabel44", QStringLiteral("or max.             mm"));
            set(sheet, "QRLabel73", QStringLiteral("or max.             mm"));
            set(sheet, "QRLabel24", QStringLiteral("deflection of construction"));
            set(sheet, "QRLabel51", QStringLiteral("deflection of glass edge"));
        }
    } else {
        // Transom under the trapezoidal or triangular loads of the panes above and below.
        set(sheet, "QRLabel10", QStringLiteral("Fassadensystem: Riegel"));
        set(sheet, "QRLabel14", QStringLiteral("Länge H1"));
        set(sheet, "QRLabel38", in.edit1);
        set(sheet, "QRLabel15", QStringLiteral("Länge H2"));
        set(sheet, "QRLabel16", QStringLiteral("Feldbreite L"));
        set(sheet, "QRLabel60", QStringLiteral("m"));
        set(sheet, "QRLabel11", QStringLiteral("Lastfall: Trapezlast bzw. Dreieckslast"));
        set(sheet, "QRLabel18", QStringLiteral("Zulässige Durchbiegung der Konstruktion"));
        set(sheet, "QRLabel68", QStringLiteral("bzw. Scheibenkante"));
        show(sheet, "QRImage2", true);
        show(sheet, "QRImage1", false);
        show(sheet, "QRImage3", false);
        show(sheet, "QRImage5", false);
        show(sheet, "QRImage6", false);
        // A transom has no width B, no limit of its own span row and no member deflection line.
        for (const char *emptied : {"QRLabel17", "QRLabel41", "QRLabel63", "QRLabel76", "QRLabel42",
                                    "QRLabel44", "QRLabel67", "QRLabel24", "QRLabel46", "QRLabel47"})
            set(sheet, emptied, QString());
        set(sheet, "QRLabel52", in.edit10);
        if (in.english) {
            show(sheet, "QRImage2", false);
            show(sheet, "QRImage6", true);
            set(sheet, "QRLabel10", QStringLiteral("Facade section: transom"));
            set(sheet, "QRLabel11", QStringLiteral("Loading case: trapezoid- and/or triangular load"));
            set(sheet, "QRLabel14", QStringLiteral("height H1"));
            set(sheet, "QRLabel15", QStringLiteral("height H2"));
            set(sheet, "QRLabel16", QStringLiteral("span L"));
            set(sheet, "QRLabel18", QStringLiteral("allowed deflection of transom"));
            set(sheet, "QRLabel68", QStringLiteral("and deflection of glass edge"));
            set(sheet, "QRLabel73", QStringLiteral("or max.             mm"));
            set(sheet, "QRLabel51", QStringLiteral("deflection of glass edge"));
        }
    }

    set(sheet, "QRLabel39", in.edit6);
    set(sheet, "QRLabel40", in.edit2);
    set(sheet, "QRLabel71", in.edit5);
    set(sheet, "QRLabel45", in.edit8);
    set(sheet, "QRLabel48", in.edit11);
    set(sheet, "QRLabel49", in.edit12);
    set(sheet, "QRLabel74", in.edit7);
    set(sheet, "QRLabel23", QString());
    return sheet;
}

} // namespace report
