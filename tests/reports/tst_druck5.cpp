#include "programs/pgm51024/druck5.h"

#include "sheetpdf.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

using report::FormTexts;
using report::Sheet;

namespace
{

// The texts of the Programm 5 form as "Drucken" hands them over: every value differs, so
// that each can be found on the sheet; L2 is the longer rafter.
FormTexts sample(bool english, bool din)
{
    FormTexts texts;
    texts.english = english;
    texts.header = {QStringLiteral("Wintergarten Ost"), QStringLiteral("P-5005"),
                    QStringLiteral("Glasbau Süd"),      QStringLiteral("B. Planer"),
                    QStringLiteral("08.12.2026"),       QStringLiteral("11:20")};
    const std::pair<const char *, const char *> fields[] = {
        {"Edit6", "2.45"},    {"Edit3", "3.15"},  {"Edit4", "1.05"}, {"Edit5", "1.25"},   {"Edit2", "1.65"},
        {"Edit1", "35"},      {"Edit9", "200"},   {"Edit10", "15"},  {"Edit14", "300"},   {"Edit16", "8.5"},
        {"Edit19", "0.82"},   {"Edit13", "0.77"}, {"Edit7", "0.55"}, {"Edit11", "135.5"}, {"Edit12", "15.4"},
        {"Edit17", "-189.5"}, {"Edit18", "21.5"}, {"Edit8", "71.0"}, {"Edit20", "15.75"}, {"Edit21", "4.12"},
        {"Edit15", "P-5005"}};
    for (const auto &[name, value] : fields)
        texts.fields.insert(QLatin1String(name), QLatin1String(value));
    texts.options.insert(QStringLiteral("RadioButton4"), din);
    texts.options.insert(QStringLiteral("RadioButton3"), !din);
    return texts;
}

} // namespace

class TestDruck5 : public QObject
{
    Q_OBJECT

private slots:
    void positions_data();
    void positions();
    void texts_data();
    void texts();
    void exactTexts_data();
    void exactTexts();
    void drawingsPrintInBothLanguages();
    void emptyLoadsPrintEmpty();
    void everythingStaysOnThePage();

private:
    const PdfPage &page(bool english, bool din)
    {
        const int key = (english ? 2 : 0) + (din ? 1 : 0);
        if (!m_pages.contains(key)) {
            const QString file = m_dir.filePath(QStringLiteral("druck5_%1.pdf").arg(key));
            m_pages.insert(key, printSheetToPdf(report::makeDruck5(sample(english, din)), file));
        }
        return m_pages[key];
    }
    QTemporaryDir m_dir;
    QHash<int, PdfPage> m_pages;
};

void TestDruck5::positions_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("band");
    QTest::addColumn<int>("x"); // left edge, or right edge of a right-aligned value
    QTest::addColumn<int>("top");
    QTest::addColumn<bool>("rightAligned");

    struct Place {
        const char *what;
        const char *german, *english;
        const QString &band;
        int x, top;
        bool right;
    };
    const QString &cb = report::kChildBand;
    const Place places[] = {
        {"the title opens the column header band", "Statische", "Static", report::kColumnHeaderBand, 8, 8,
         false},
        {"the creator value stands in the third header row", "B.", "B.", report::kTitleBand, 496, 56, false},
        {"the system heading opens the body", "Schräge", "Overhead", cb, 8, 8, false},
        {"the load case follows at 32", "Lastfall:", "Loading", cb, 8, 32, false},
        {"the condition on the rafter stands at 104", "Der", "The", cb, 104, 52, false},
        {"its second line stands at 103", "das", "across", cb, 103, 72, false},
        {"L1 ends at 288 as typed", "2.45", "2.45", cb, 288, 120, true},
        {"the longer L2 ends at 288 one row lower, as typed", "3.15", "3.15", cb, 288, 144, true},
        {"field width A ends at 288", "1.05", "1.05", cb, 288, 168, true},
        {"field width B ends at 288", "1.25", "1.25", cb, 288, 192, true},
        {"LS ends at 288", "1.65", "1.65", cb, 288, 216, true},
        {"the pitch ends at 288 as typed", "35", "35", cb, 288, 240, true},
        {"the pitch unit stands at 312", "°", "°", cb, 312, 240, false},
        {"the rafter ratio ends at 344", "200", "200", cb, 344, 312, true},
        {"the rafter maximum ends at 451 in the gap of its caption", "15", "15", cb, 451, 312, true},
        {"L / of the rafter row stands at 284", "L", "L", cb, 284, 312, false},
        {"the glass-edge ratio ends at 344", "300", "300", cb, 344, 336, true},
        {"the glass-edge maximum ends at 451", "8.5", "8.5", cb, 451, 336, true},
        {"the wind load ends at 288", "0.82", "0.82", cb, 288, 392, true},
        {"the snow symbol stands at 80", "s", "s", cb, 80, 416, false},
        {"the snow load ends at 288", "0.77", "0.77", cb, 288, 416, true},
        {"the dead load ends at 288", "0.55", "0.55", cb, 288, 440, true},
        {"its unit stands at 312", "kN/m²", "kN/m²", cb, 312, 440, false},
        {"the span moment ends at 432", "135.5", "135.5", cb, 432, 492, true},
        {"the span moment unit stands at 452", "kNcm", "kNcm", cb, 452, 492, false},
        {"the span section modulus ends at 432", "15.4", "15.4", cb, 432, 516, true},
        {"the support moment ends at 432 with its sign", "-189.5", "-189.5", cb, 432, 540, true},
        {"the support section modulus ends at 432", "21.5", "21.5", cb, 432, 564, true},
        {"the second moment of area ends at 432", "71.0", "71.0", cb, 432, 588, true},
        {"the rafter deflection ends at 432", "15.75", "15.75", cb, 432, 612, true},
        {"the glass-edge deflection ends at 432", "4.12", "4.12", cb, 432, 636, true},
        {"its unit stands at 453", "mm", "mm", cb, 453, 636, false},
        {"the material line closes the body", "Werkstoff:", "Material:", cb, 8, 675, false},
        {"the disclaimer stands 24 pixels below the second note", "Die", "The", cb, 8, 762, false},
    };
    for (const bool english : {false, true}) {
        for (const Place &p : places) {
            const QByteArray name =
                QByteArray(p.what) + " on the " + (english ? "English" : "German") + " sheet";
            QTest::newRow(name.constData()) << english << QString::fromUtf8(english ? p.english : p.german)
                                            << p.band << p.x << p.top << p.right;
        }
    }
}

void TestDruck5::positions()
{
    QFETCH(bool, english);
    QFETCH(QString, word);
    QFETCH(QString, band);
    QFETCH(int, x);
    QFETCH(int, top);
    QFETCH(bool, rightAligned);
    const Sheet sheet = report::makeDruck5(sample(english, true));
    const QString misplaced = wordAt(page(english, true), sheet, word, band, x, top, rightAligned);
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
}

void TestDruck5::texts_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("din");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    const QStringList german{"Projekt : Wintergarten Ost",
                             "Pos. -/ Auftragnummer: P-5005",
                             "Ersteller: B. Planer",
                             "Schräge Konstruktion (Schrägdach), Zweifeldträger",
                             "Bedingung: Der Sparren muß biegesteif über",
                             "das mittlere Auflager geführt werden.",
                             "Sparrenlänge der Dachfl. L1 2.45 m",
                             "Sparrenlänge der Dachfl. L2 3.15 m",
                             "Feldbreite A 1.05 m",
                             "Feldbreite B 1.25 m",
                             "Länge größte Scheibe LS 1.65 m",
                             "Dachneigung α 35 ° (Grad)",
                             "zulässige Durchbiegung des Sparrens L / 200 bzw. max. 15 mm",
                             "L / 300 bzw. max. 8.5 mm",
                             "Windlast w 0.82 kN/m²",
                             "Schneelast s 0.77 kN/m²",
                             "Eigenlast g 0.55 kN/m²",
                             "Max. Feldmoment M",
                             "135.5 kNcm",
                             "Stützmoment",
                             "-189.5 kNcm",
                             "erforderliches Trägheitsmoment",
                             "71.0 cm",
                             "Durchbiegung der Konstruktion 15.75 mm",
                             "Durchbiegung der Scheibenkante 4.12 mm",
                             "Werkstoff: Aluminium EN AW6060 T66",
                             "Die Berechnung ersetzt keine prüfbare Statik."};
    const QStringList english{"Project: Wintergarten Ost",
                              "Pos.-/Contract number: P-5005",
                              "Calculated by: B. Planer",
                              "Static predimensioning",
                              "Overhead construction / roof construction, mullion as two-span beam",
                              "Requirements: The rafter has to be led bending resistant",
                              "across the middle bearing.",
                              "Construction",
                              "rafter length L1 2.45 m",
                              "rafter length L2 3.15 m",
                              "span A 1.05 m",
                              "span B 1.25 m",
                              "longest glass edge LS 1.65 m",
                              "Deflection limits",
                              "allowed deflection of rafter L / 200 or max. 15 mm",
                              "allowed deflection of glass edge L / 300 or max. 8.5 mm",
                              "Load",
                              "wind load p 0.82 kN/m²",
                              "snow load s 0.77 kN/m²",
                              "permanent load g 0.55 kN/m²",
                              "Results",
                              "max. bending moment",
                              "135.5 kNcm",
                              "support moment",
                              "-189.5 kNcm",
                              "req. moment of inertia",
                              "71.0 cm",
                              "deflection of construction 15.75 mm",
                              "deflection of glass edge 4.12 mm",
                              "Material: Aluminium EN AW-6060 T66",
                              "The calculation does not replace any valid structural calculation"};
    const QString dinDe =
        "Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee nach DIN 1055-4:1975-06";
    const QString bsDe =
        "Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee nach BS 6399-2:1998";
    const QString dinEn =
        "Loading case: load resulting from permanent load, wind, snow according to DIN 1055-4:1975-06";
    const QString bsEn =
        "Loading case: load resulting from permanent load, wind, snow according to BS 6399-2:1998";

    QTest::newRow(
        "the German DIN sheet carries the design texts, every value in its row and the DIN load case")
        << false << true << german + QStringList{dinDe}
        << QStringList{"Project", "Material:", "QRLabel", "BS 6399"};
    QTest::newRow("the German BS sheet names BS 6399-2:1998 in the load case")
        << false << false << german + QStringList{bsDe} << QStringList{"DIN 1055-4", "QRLabel"};
    QTest::newRow("the English DIN sheet carries the English captions and the same values")
        << true << true << english + QStringList{dinEn, "roof pitch α 35 °"}
        << QStringList{"Projekt", "Sparren", "Feldbreite", "bzw.", "Grad", "Werkstoff", "QRLabel", "BS 6399"};
    QTest::newRow("the English BS sheet names BS 6399-2:1998 in the load case")
        << true << false << english + QStringList{bsEn} << QStringList{"DIN 1055-4", "Lastfall"};
}

void TestDruck5::texts()
{
    QFETCH(bool, english);
    QFETCH(bool, din);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const QString problem = rowsCheck(page(english, din), present, absent);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestDruck5::exactTexts_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("the German first rafter keeps its trailing blank") << false << "QRLabel15"
                                                                      << "Sparrenlänge der Dachfl. L1 ";
    QTest::newRow("the German pane keeps its two blanks") << false << "QRLabel16"
                                                          << "Länge größte Scheibe  LS";
    QTest::newRow("the German span moment caption keeps its M and trailing blank") << false << "QRLabel25"
                                                                                   << "Max. Feldmoment M ";
    QTest::newRow("the German condition keeps its trailing blank") << false << "QRLabel65"
                                                                   << "Der Sparren muß biegesteif über ";
    QTest::newRow("the German rafter cap caption keeps its ten blanks")
        << false << "QRLabel58" << QString("bzw. max." + QString(10, ' ') + "mm");
    QTest::newRow("the English glass-edge cap caption has thirteen blanks")
        << true << "QRLabel72" << QString("or max." + QString(13, ' ') + "mm");
    QTest::newRow("the English pitch unit is the degree sign alone") << true << "QRLabel63"
                                                                     << "°";
    QTest::newRow("the index of the support moment stays in English") << true << "QRLabel87"
                                                                      << "s";
    QTest::newRow("the index of the snow load stays in English") << true << "QRLabel103"
                                                                 << "o";
}

void TestDruck5::exactTexts()
{
    QFETCH(bool, english);
    QFETCH(QString, label);
    QFETCH(QString, text);
    const Sheet sheet = report::makeDruck5(sample(english, true));
    QVERIFY(sheet.label(label));
    QCOMPARE(sheet.text(label), text);
}

void TestDruck5::drawingsPrintInBothLanguages()
{
    for (const bool english : {false, true}) {
        const Sheet sheet = report::makeDruck5(sample(english, !english));
        QVERIFY(sheet.pictureOn(QStringLiteral("QRImage1")));
        QVERIFY(sheet.pictureOn(QStringLiteral("QRImage2")));
        QVERIFY(sheet.pictureOn(QStringLiteral("QRImage3"))); // the logo
        // The roof field stands right of x = 380 in the body, its letters printed as text.
        const double column = pagePixelsToPoints(sheet.bandLeft() + 380) - 1;
        const double bodyTop = pagePixelsToPoints(sheet.bandTop(report::kChildBand)) - 1;
        const QList<PdfWord> &words = page(english, !english).words;
        for (const char *letter : {"L1", "L2", "LS", "A", "B", "α"}) {
            QVERIFY2(std::any_of(words.cbegin(), words.cend(),
                                 [&](const PdfWord &w) {
                                     return w.text == QString::fromUtf8(letter) && w.box.left() >= column &&
                                            w.box.top() >= bodyTop;
                                 }),
                     letter);
        }
    }
}

void TestDruck5::emptyLoadsPrintEmpty()
{
    FormTexts texts = sample(false, true);
    for (const char *name : {"Edit19", "Edit13", "Edit7", "Edit10"})
        texts.fields.insert(QLatin1String(name), QString());
    const PdfPage printed =
        printSheetToPdf(report::makeDruck5(texts), m_dir.filePath(QStringLiteral("empty.pdf")));
    const QStringList rows = printed.rows();
    for (const QString &row : {QStringLiteral("Windlast w kN/m²"), QStringLiteral("Schneelast s kN/m²"),
                               QStringLiteral("Eigenlast g kN/m²"),
                               QStringLiteral("zulässige Durchbiegung des Sparrens L / 200 bzw. max. mm")})
        QVERIFY2(rows.contains(row),
                 qPrintable(row + QStringLiteral(" in\n") + rows.join(QLatin1Char('\n'))));
}

void TestDruck5::everythingStaysOnThePage()
{
    // 15 mm margins at top and bottom, 25 mm at left; the long load-case line may reach
    // into the right margin but not off the paper.
    const double mm = 72.0 / 25.4;
    for (const bool english : {false, true}) {
        for (const bool din : {false, true}) {
            const PdfPage &printed = page(english, din);
            QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
            QVERIFY(qAbs(printed.size.width() - 210 * mm) < 1 && qAbs(printed.size.height() - 297 * mm) < 1);
            for (const PdfWord &w : printed.words) {
                QVERIFY2(w.box.bottom() <= printed.size.height() - 15 * mm, qPrintable(w.text));
                QVERIFY2(w.box.left() >= 25 * mm - 1 && w.box.right() <= printed.size.width() - 10 * mm,
                         qPrintable(w.text));
            }
        }
    }
}

QTEST_MAIN(TestDruck5)
#include "tst_druck5.moc"
