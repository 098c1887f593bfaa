#include "programs/pgm41024/druck4.h"

#include "sheetpdf.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

using report::FormTexts;
using report::Sheet;

namespace
{

// The texts of the Programm 4 form as "Drucken" hands them over: every value differs, so
// that each can be found on the sheet; the longer span is L2.
FormTexts sample(bool english)
{
    FormTexts texts;
    texts.english = english;
    texts.header = {QStringLiteral("Bürohaus Nord"),       QStringLiteral("P-4711"),
                    QStringLiteral("Fensterbau Beispiel"), QStringLiteral("A. Planer"),
                    QStringLiteral("08.12.2026"),          QStringLiteral("10:15")};
    const std::pair<const char *, const char *> fields[] = {
        {"Edit1", "2.4"},    {"Edit6", "3.6"},   {"Edit2", "1.75"},   {"Edit4", "1.15"},  {"Edit5", "1.35"},
        {"Edit7", "200"},    {"Edit15", "15"},   {"Edit9", "300"},    {"Edit10", "8.5"},  {"Edit16", "0.65"},
        {"Edit11", "123.4"}, {"Edit12", "14.0"}, {"Edit3", "-156.2"}, {"Edit14", "17.8"}, {"Edit8", "87.6"},
        {"Edit17", "17.25"}, {"Edit18", "4.10"}, {"Edit13", "P-4711"}};
    for (const auto &[name, value] : fields)
        texts.fields.insert(QLatin1String(name), QLatin1String(value));
    return texts;
}

const char *language(bool english)
{
    return english ? "English sheet" : "German sheet";
}

} // namespace

class TestDruck4 : public QObject
{
    Q_OBJECT

private slots:
    void positions_data();
    void positions();
    void texts_data();
    void texts();
    void exactTexts_data();
    void exactTexts();
    void pictures_data();
    void pictures();
    void emptyLimitsPrintEmpty();
    void everythingStaysOnThePage();

private:
    const PdfPage &page(bool english)
    {
        if (!m_pages.contains(english)) {
            const QString file = m_dir.filePath(QStringLiteral("druck4_%1.pdf").arg(english));
            m_pages.insert(english, printSheetToPdf(report::makeDruck4(sample(english)), file));
        }
        return m_pages[english];
    }
    QTemporaryDir m_dir;
    QHash<bool, PdfPage> m_pages;
};

void TestDruck4::positions_data()
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
        {"the title opens the column header band at 8, 8", "Statische", "Static", report::kColumnHeaderBand,
         8, 8, false},
        {"the creator value stands in the third header row", "A.", "A.", report::kTitleBand, 496, 56, false},
        {"the system heading opens the body at 8, 8", "Fassadensystem:", "Facade", cb, 8, 8, false},
        {"the load case follows at 32", "Lastfall:", "Loading", cb, 8, 32, false},
        {"L1 ends at its right edge 232 as typed", "2.4", "2.4", cb, 232, 152, true},
        {"the longer L2 ends at 232 one row lower, as typed", "3.6", "3.6", cb, 232, 176, true},
        {"LS ends at 232", "1.75", "1.75", cb, 232, 200, true},
        {"field width A ends at 232", "1.15", "1.15", cb, 232, 224, true},
        {"field width B ends at 232", "1.35", "1.35", cb, 232, 248, true},
        {"the unit of B stands at 248", "m", "m", cb, 248, 248, false},
        {"the limits heading stands at 293", "Durchbiegungsbeschränkungen", "Deflection", cb, 8, 293, false},
        {"L / of the mullion row stands at 283", "L", "L", cb, 283, 328, false},
        {"the mullion ratio ends at 344", "200", "200", cb, 344, 328, true},
        {"the mullion maximum ends at 451 in the gap of its caption", "15", "15", cb, 451, 328, true},
        {"the glass-edge ratio ends at 344", "300", "300", cb, 344, 352, true},
        {"the glass-edge maximum ends at 451", "8.5", "8.5", cb, 451, 352, true},
        {"the wind load ends at 232", "0.65", "0.65", cb, 232, 416, true},
        {"the wind load unit stands at 248", "kN/m²", "kN/m²", cb, 248, 416, false},
        {"the results heading stands at 452", "Ergebnisse", "Results", cb, 8, 452, false},
        {"the span moment ends at 400", "123.4", "123.4", cb, 400, 484, true},
        {"the span moment unit stands at 420", "kNcm", "kNcm", cb, 420, 484, false},
        {"the span section modulus ends at 400", "14.0", "14.0", cb, 400, 508, true},
        {"the support moment under pressure ends at 400 with its minus sign", "-156.2", "-156.2", cb, 400,
         532, true},
        {"the support moment caption stands at 532", "Stützmoment", "support", cb, 8, 532, false},
        {"the support section modulus ends at 400", "17.8", "17.8", cb, 400, 556, true},
        {"the second moment of area ends at 400", "87.6", "87.6", cb, 400, 580, true},
        {"the mullion deflection ends at 400", "17.25", "17.25", cb, 400, 604, true},
        {"the glass-edge deflection ends at 400", "4.10", "4.10", cb, 400, 628, true},
        {"its unit stands at 421", "mm", "mm", cb, 421, 628, false},
        {"the material line closes the body", "Werkstoff:", "Material:", cb, 8, 668, false},
        {"the disclaimer stands 24 pixels below the second note", "Die", "The", cb, 8, 758, false},
    };
    for (const bool english : {false, true}) {
        for (const Place &p : places) {
            const QByteArray name = QByteArray(p.what) + " on the " + language(english);
            QTest::newRow(name.constData()) << english << QString::fromUtf8(english ? p.english : p.german)
                                            << p.band << p.x << p.top << p.right;
        }
    }
}

void TestDruck4::positions()
{
    QFETCH(bool, english);
    QFETCH(QString, word);
    QFETCH(QString, band);
    QFETCH(int, x);
    QFETCH(int, top);
    QFETCH(bool, rightAligned);
    const Sheet sheet = report::makeDruck4(sample(english));
    const QString misplaced = wordAt(page(english), sheet, word, band, x, top, rightAligned);
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
}

void TestDruck4::texts_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("the German sheet carries the design texts and every value in its row")
        << false
        << QStringList{"Projekt : Bürohaus Nord",
                       "Pos. -/ Auftragnummer: P-4711",
                       "Ersteller: A. Planer",
                       "Fassadensystem: Pfosten als Zweifeldträger",
                       "Lastfall: gleichmäßige Streckenlast auf Pfosten",
                       "Pfostenlänge L1 2.4 m",
                       "Pfostenlänge L2 3.6 m",
                       "Länge größte Scheibe LS 1.75 m",
                       "Feldbreite A 1.15 m",
                       "Feldbreite B 1.35 m",
                       "zulässige Durchbiegung des Pfostens L / 200 bzw. max. 15 mm",
                       "L / 300 bzw. max. 8.5 mm",
                       "Windlast w 0.65 kN/m²",
                       "Max. Feldmoment",
                       "Stützmoment",
                       "erforderliches Trägheitsmoment",
                       "Durchbiegung der Konstruktion 17.25 mm",
                       "Durchbiegung der Scheibenkante 4.10 mm",
                       "Werkstoff: Aluminium EN AW6060 T66",
                       "Die Berechnung ersetzt keine prüfbare Statik."}
        << QStringList{"Project", "Material:", "QRLabel", "length", "or max."};
    QTest::newRow("the English sheet carries the English captions and the same values")
        << true
        << QStringList{"Project: Bürohaus Nord",
                       "Pos.-/Contract number: P-4711",
                       "Calculated by: A. Planer",
                       "Static predimensioning",
                       "Facade section: mullion as two-span beam",
                       "Loading case: rectangular load",
                       "Construction",
                       "length L1 2.4 m",
                       "length L2 3.6 m",
                       "longest glass edge LS 1.75 m",
                       "span A 1.15 m",
                       "span B 1.35 m",
                       "Deflection limits",
                       "allowed deflection of mullion L / 200 or max. 15 mm",
                       "allowed deflection of glass edge L / 300 or max. 8.5 mm",
                       "Load",
                       "wind load p 0.65 kN/m²",
                       "Results",
                       "max. bending moment",
                       "support moment",
                       "req. moment of inertia",
                       "deflection of construction 17.25 mm",
                       "deflection of glass edge 4.10 mm",
                       "Material: Aluminium EN AW-6060 T66",
                       "The calculation does not replace any valid structural calculation"}
        << QStringList{"Projekt", "Pfosten", "Feldbreite", "bzw.", "Stützmoment", "Werkstoff", "QRLabel"};
}

void TestDruck4::texts()
{
    QFETCH(bool, english);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const QString problem = rowsCheck(page(english), present, absent);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestDruck4::exactTexts_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("the German first span keeps its two blanks and the trailing one") << false << "QRLabel14"
                                                                                     << "Pfostenlänge  L1 ";
    QTest::newRow("the German second span keeps its two blanks") << false << "QRLabel12"
                                                                 << "Pfostenlänge  L2";
    QTest::newRow("the German field width A keeps its trailing blank") << false << "QRLabel16"
                                                                       << "Feldbreite A ";
    QTest::newRow("the German mullion cap caption keeps its ten blanks")
        << false << "QRLabel51" << QString("bzw. max." + QString(10, ' ') + "mm");
    QTest::newRow("the English glass-edge cap caption has thirteen blanks")
        << true << "QRLabel63" << QString("or max." + QString(13, ' ') + "mm");
    QTest::newRow("the label beside the wind load is emptied") << false << "QRLabel76"
                                                               << "";
    QTest::newRow("the English sheet empties it too") << true << "QRLabel76"
                                                      << "";
    QTest::newRow("both section moduli read erford. in German") << false << "QRLabel58"
                                                                << "erford. Widerstandsmoment";
    QTest::newRow("the units stay as designed in English") << true << "QRLabel61"
                                                           << "cm";
    QTest::newRow("the index of the support moment stays") << true << "QRLabel71"
                                                           << "s";
}

void TestDruck4::exactTexts()
{
    QFETCH(bool, english);
    QFETCH(QString, label);
    QFETCH(QString, text);
    const Sheet sheet = report::makeDruck4(sample(english));
    QVERIFY(sheet.label(label));
    QCOMPARE(sheet.text(label), text);
}

void TestDruck4::pictures_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("on");
    QTest::addColumn<QStringList>("drawingWords"); // labels of the drawings, printed as text
    QTest::addColumn<QStringList>("otherWords");   // labels of the elevation that is off
    QTest::newRow("the German sheet prints the German elevation and the axonometric drawing")
        << false << QStringList{"QRImage1", "QRImage2", "QRImage3"}
        << QStringList{"Last-", "Einfluss-", "A/2", "q"} << QStringList{"influence"};
    QTest::newRow("the English sheet prints the English elevation in place of the German one")
        << true << QStringList{"QRImage1", "QRImage2", "QRImage4"}
        << QStringList{"load", "influence", "B/2", "q"} << QStringList{"Einfluss-"};
}

void TestDruck4::pictures()
{
    QFETCH(bool, english);
    QFETCH(QStringList, on);
    QFETCH(QStringList, drawingWords);
    QFETCH(QStringList, otherWords);
    const Sheet sheet = report::makeDruck4(sample(english));
    for (const char *name : {"QRImage1", "QRImage2", "QRImage3", "QRImage4"}) {
        QVERIFY(sheet.picture(QLatin1String(name)));
        QVERIFY2(sheet.pictureOn(QLatin1String(name)) == on.contains(QLatin1String(name)), name);
    }
    // The drawings stand right of x = 371 in the body.
    const double column = pagePixelsToPoints(sheet.bandLeft() + 371) - 1;
    const double bodyTop = pagePixelsToPoints(sheet.bandTop(report::kChildBand)) - 1;
    const auto inDrawings = [&](const QString &word) {
        const QList<PdfWord> &words = page(english).words;
        return std::any_of(words.cbegin(), words.cend(), [&](const PdfWord &w) {
            return w.text == word && w.box.left() >= column && w.box.top() >= bodyTop;
        });
    };
    for (const QString &word : std::as_const(drawingWords))
        QVERIFY2(inDrawings(word), qPrintable(word));
    for (const QString &word : std::as_const(otherWords))
        QVERIFY2(!inDrawings(word), qPrintable(word));
}

void TestDruck4::emptyLimitsPrintEmpty()
{
    FormTexts texts = sample(false);
    for (const char *name : {"Edit7", "Edit15", "Edit9"})
        texts.fields.insert(QLatin1String(name), QString());
    const PdfPage printed =
        printSheetToPdf(report::makeDruck4(texts), m_dir.filePath(QStringLiteral("empty.pdf")));
    const QStringList rows = printed.rows();
    QVERIFY2(rows.contains(QStringLiteral("zulässige Durchbiegung des Pfostens L / bzw. max. mm")),
             qPrintable(rows.join(QLatin1Char('\n'))));
    QVERIFY2(std::any_of(rows.cbegin(), rows.cend(),
                         [](const QString &r) { return r.endsWith(QLatin1String("L / bzw. max. 8.5 mm")); }),
             qPrintable(rows.join(QLatin1Char('\n'))));
}

void TestDruck4::everythingStaysOnThePage()
{
    // 15 mm margins at top and bottom, 25 mm at left and right, in points.
    const double mm = 72.0 / 25.4;
    for (const bool english : {false, true}) {
        const PdfPage &printed = page(english);
        QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
        QVERIFY(qAbs(printed.size.width() - 210 * mm) < 1 && qAbs(printed.size.height() - 297 * mm) < 1);
        for (const PdfWord &w : printed.words) {
            QVERIFY2(w.box.bottom() <= printed.size.height() - 15 * mm, qPrintable(w.text));
            QVERIFY2(w.box.left() >= 25 * mm - 1 && w.box.right() <= printed.size.width() - 20 * mm,
                     qPrintable(w.text));
        }
    }
}

QTEST_MAIN(TestDruck4)
#include "tst_druck4.moc"
