// The sheet of Programm 2 on the PDF that the engine writes: where each text stands, which
// texts print in which language, and that every value is the form's text as it stands.

#include "pdfwords.h"
#include "sheetpdf.h"

#include "programs/pgm21024/druck2.h"

#include <QtCore/QHash>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

using namespace report;

namespace
{

// The form's texts after the worked example, the position number and the header filled;
// each value differs from the others so that it can be found on the sheet.
FormTexts sample(bool english)
{
    FormTexts texts;
    texts.english = english;
    texts.header = {QStringLiteral("Schule am Park"), QStringLiteral("P-0815"),
                    QStringLiteral("Metallbau Süd"),  QStringLiteral("B. Statiker"),
                    QStringLiteral("08.12.2026"),     QStringLiteral("13:40")};
    const QList<QPair<QString, QString>> fields = {
        {"Edit1", "3"},    {"Edit2", "1.2"},  {"Edit3", "1.25"},   {"Edit5", "200"},
        {"Edit6", "15"},   {"Edit7", "1"},    {"Edit14", "0.5"},   {"Edit11", "80.0"},
        {"Edit12", "9.1"}, {"Edit8", "55.3"}, {"Edit10", "15.00"}, {"Edit13", "P-0815"}};
    for (const auto &[name, text] : fields)
        texts.fields.insert(name, text);
    return texts;
}

} // namespace

class TestDruck2 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void positions_data();
    void positions();
    void texts_data();
    void texts();
    void exactTexts_data();
    void exactTexts();
    void valuesAreTheFieldTextsAsTheyStand_data();
    void valuesAreTheFieldTextsAsTheyStand();
    void emptyRatioPrintsNothingAfterTheSlash();
    void sketchIsTheSystemInBothLanguages();

private:
    const PdfPage &page(bool english);
    QTemporaryDir m_dir;
    QHash<bool, PdfPage> m_pages;
};

void TestDruck2::initTestCase()
{
    QVERIFY(m_dir.isValid());
    bool ok = false;
    runTool(QStringLiteral("pdftotext"), {QStringLiteral("-v")}, &ok);
    if (!ok)
        QFAIL("pdftotext is missing: install the Debian package poppler-utils");
}

const PdfPage &TestDruck2::page(bool english)
{
    if (!m_pages.contains(english)) {
        const QString file = m_dir.filePath(english ? QStringLiteral("en.pdf") : QStringLiteral("de.pdf"));
        m_pages.insert(english, printSheetToPdf(makeDruck2(sample(english)), file));
    }
    return m_pages[english];
}

void TestDruck2::positions_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("band");
    QTest::addColumn<int>("x"); // left edge, or right edge of a right-aligned value
    QTest::addColumn<int>("top");
    QTest::addColumn<bool>("rightAligned");

    struct Place {
        const char *what;
        const char *german, *english; // no German word: the row holds two "bzw."
        const QString &band;
        int x, top;
        bool right;
    };
    const Place places[] = {
        {"the project value stands at 176 of the title band", "Schule", "Schule", kTitleBand, 176, 8, false},
        {"the creator caption opens the third row of the right column", "Ersteller:", "Calculated",
         kTitleBand, 392, 56, false},
        {"the creator value stands at 496 in the third row", "B.", "B.", kTitleBand, 496, 56, false},
        {"the title stands at 8, 8 of the column header band", "Statische", "Static", kColumnHeaderBand, 8, 8,
         false},
        {"the heading opens the child band at 8, 8", "Fassadensystem:", "Facade", kChildBand, 8, 8, false},
        {"the load case stands at 32", "Lastfall:", "Loading", kChildBand, 8, 32, false},
        {"the construction heading stands at 77", "Konstruktion", "Construction", kChildBand, 8, 77, false},
        {"the mullion length ends at 320", "3", "3", kChildBand, 320, 128, true},
        {"the unit of the mullion length stands at 328", "m", "m", kChildBand, 328, 128, false},
        {"field width A ends at 320", "1.2", "1.2", kChildBand, 320, 152, true},
        {"field width B ends at 320", "1.25", "1.25", kChildBand, 320, 178, true},
        {"the load height caption stands at 202", "Höhe", "loads", kChildBand, 8, 202, false},
        {"the deflection limits heading stands at 317", "Durchbiegungsbeschränkungen", "Deflection",
         kChildBand, 8, 317, false},
        {"L / stands at 280 in the limit row", "L", "L", kChildBand, 280, 376, false},
        {"the ratio ends at 344", "200", "200", kChildBand, 344, 376, true},
        {"the maximum caption starts at 352", nullptr, "or", kChildBand, 352, 376, false},
        {"the maximum ends at 451 in the gap of its caption", "15", "15", kChildBand, 451, 376, true},
        {"the load heading stands at 405", "Belastung", "Load", kChildBand, 8, 405, false},
        {"the barrier load ends at 248", "0.5", "0.5", kChildBand, 248, 432, true},
        {"the load unit stands at 256", "kN/m", "kN/m", kChildBand, 256, 432, false},
        {"the results heading stands at 516", "Ergebnisse", "Results", kChildBand, 8, 516, false},
        {"the symbol M stands at 248", "M", "M", kChildBand, 248, 540, false},
        {"the moment ends at 432", "80.0", "80.0", kChildBand, 432, 540, true},
        {"the moment unit stands at 456", "kNcm", "kNcm", kChildBand, 456, 540, false},
        {"the section modulus ends at 432", "9.1", "9.1", kChildBand, 432, 564, true},
        {"the bold second moment of area ends at 432", "55.3", "55.3", kChildBand, 432, 588, true},
        {"the deflection caption's second line stands at 636", "bzw.", "and/or", kChildBand, 8, 636, false},
        {"the allowable deflection ends at 432", "15.00", "15.00", kChildBand, 432, 636, true},
        {"the deflection unit stands at 456", "mm", "mm", kChildBand, 456, 636, false},
        {"the material line stands at 680 below the first closing rule",
         "Werkstoff:", "Material:", kChildBand, 8, 680, false},
        {"the first liability note stands at 722", "Wir", "We", kChildBand, 8, 722, false},
        {"the disclaimer stands 24 pixels below the second note", "Die", "The", kChildBand, 8, 770, false},
    };
    for (const bool english : {false, true}) {
        for (const Place &p : places) {
            if (!english && !p.german)
                continue;
            const QByteArray name =
                QByteArray(p.what) + (english ? " on the English sheet" : " on the German sheet");
            QTest::newRow(name.constData()) << english << QString::fromUtf8(english ? p.english : p.german)
                                            << p.band << p.x << p.top << p.right;
        }
    }
}

void TestDruck2::positions()
{
    QFETCH(bool, english);
    QFETCH(QString, word);
    QFETCH(QString, band);
    QFETCH(int, x);
    QFETCH(int, top);
    QFETCH(bool, rightAligned);
    const Sheet sheet = makeDruck2(sample(english));
    const QString misplaced = wordAt(page(english), sheet, word, band, x, top, rightAligned);
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
}

void TestDruck2::texts_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("the German sheet keeps the design texts with their spellings")
        << false
        << QStringList{"Projekt : Schule am Park",
                       "Pos. -/ Auftragnummer: P-0815",
                       "Firma: Metallbau Süd",
                       "Statische Vorbemessung",
                       "Fassadensystem: Pfosten mit horizentaler Verkehrslast",
                       "Lastfall: Linienlast",
                       "Länge Pfosten LP 3 m",
                       "Feldbreite A 1.2 m",
                       "Feldbreite B 1.25 m",
                       "Höhe c Lastangriff vom Auflager 1 m",
                       "zulässige Durchbiegung des Pfostens",
                       "bzw. der Scheibenkante L / 200 bzw. max. 15 mm",
                       "Horizontale Verkehrslast qk 0.5 kN/m",
                       "Max. Feldmoment M 80.0 kNcm",
                       "erford. Widerstandsmoment W 9.1 cm³",
                       "erforderliches Trägheitsmoment I 55.3 cm",
                       "Durchbiegung der Konstruktion",
                       "bzw. der Scheibenkante 15.00 mm",
                       "Werkstoff: Aluminium EN AW6060 T66",
                       "für die Richtigkeit keine Gewähr.",
                       "Die Berechnung ersetzt keine prüfbare Statik."}
        << QStringList{"horizontaler", "Project", "Material:", "QRLabel"};
    QTest::newRow("the English sheet carries the English captions with their spellings")
        << true
        << QStringList{"Project: Schule am Park",
                       "Pos.-/Contract number: P-0815",
                       "Company: Metallbau Süd",
                       "Calculated by: B. Statiker",
                       "Static predimensioning",
                       "Facade section: mullion with horizontal imposed load",
                       "Loading case: linear load",
                       "Construction",
                       "length LP 3 m",
                       "span A 1.2 m",
                       "span B 1.25 m",
                       "loads application heigth c related to bearing 1 m",
                       "Deflection limits",
                       "allowed deflection of mullion",
                       "and/or deflection of glass edge L / 200 or max. 15 mm",
                       "horizontal imposed load qk 0.5 kN/m",
                       "Results",
                       "max. bending moment M 80.0 kNcm",
                       "req. section modulus W 9.1 cm³",
                       "req. moment of inertia I 55.3 cm",
                       "deflection of construction",
                       "and/or deflection of glass edge 15.00 mm",
                       "Material: Aluminium EN AW-6060 T66",
                       "The calculation does not replace any valid structural calculation"}
        << QStringList{"Projekt", "Feldbreite", "Werkstoff", "bzw.", "Durchbiegung", "Ergebnisse", "QRLabel"};
}

void TestDruck2::texts()
{
    QFETCH(bool, english);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const QString problem = rowsCheck(page(english), present, absent);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestDruck2::exactTexts_data()
{
    // The blanks inside the maximum's caption leave the gap in which its value stands.
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("the German maximum caption keeps its ten blanks")
        << false << "QRLabel73" << QString("bzw. max." + QString(10, ' ') + "mm");
    QTest::newRow("the English maximum caption keeps its thirteen blanks")
        << true << "QRLabel73" << QString("or max." + QString(13, ' ') + "mm");
    QTest::newRow("the English load height caption keeps its spelling")
        << true << "QRLabel12"
        << "loads application heigth c related to bearing";
    QTest::newRow("the English sheet keeps the unit of the second moment of area") << true << "QRLabel67"
                                                                                   << "cm";
    QTest::newRow("the English sheet keeps the exponent 4") << true << "QRLabel68"
                                                            << "4";
    QTest::newRow("the English sheet keeps the slash of the ratio") << true << "QRLabel57"
                                                                    << "L /";
    QTest::newRow("the creator value of this sheet carries the creator") << false << "QRLabel47"
                                                                         << "B. Statiker";
    QTest::newRow("the disclaimer of this sheet is QRLabel74 in English")
        << true << "QRLabel74"
        << "The calculation does not replace any valid structural calculation";
}

void TestDruck2::exactTexts()
{
    QFETCH(bool, english);
    QFETCH(QString, label);
    QFETCH(QString, text);
    QCOMPARE(makeDruck2(sample(english)).text(label), text);
}

void TestDruck2::valuesAreTheFieldTextsAsTheyStand_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    const char *const pairs[][2] = {
        {"Edit1", "QRLabel38"}, {"Edit2", "QRLabel40"},  {"Edit3", "QRLabel41"},  {"Edit5", "QRLabel71"},
        {"Edit7", "QRLabel15"}, {"Edit8", "QRLabel45"},  {"Edit11", "QRLabel48"}, {"Edit12", "QRLabel49"},
        {"Edit6", "QRLabel24"}, {"Edit14", "QRLabel72"}, {"Edit10", "QRLabel52"}, {"Edit13", "QRLabel34"},
    };
    for (const auto &pair : pairs) {
        const QByteArray name = QByteArray(pair[1]) + " prints " + pair[0] + " as typed";
        QTest::newRow(name.constData()) << QString::fromLatin1(pair[0]) << QString::fromLatin1(pair[1]);
    }
}

void TestDruck2::valuesAreTheFieldTextsAsTheyStand()
{
    // Texts no calculation would write: the sheet copies, it neither reads nor formats.
    QFETCH(QString, field);
    QFETCH(QString, label);
    FormTexts texts = sample(false);
    const QString typed = QStringLiteral("1,50 x");
    texts.fields.insert(field, typed);
    if (field == QLatin1String("Edit13"))
        texts.header.positionNumber = typed;
    const Sheet sheet = makeDruck2(texts);
    QCOMPARE(sheet.text(label), typed);
    // Before a calculation the results read the form's "0".
    FormTexts reset = sample(false);
    for (const char *result : {"Edit8", "Edit10", "Edit11", "Edit12"})
        reset.fields.insert(QString::fromLatin1(result), QStringLiteral("0"));
    const Sheet before = makeDruck2(reset);
    for (const char *value : {"QRLabel45", "QRLabel48", "QRLabel49", "QRLabel52"})
        QCOMPARE(before.text(QString::fromLatin1(value)), QStringLiteral("0"));
}

void TestDruck2::emptyRatioPrintsNothingAfterTheSlash()
{
    FormTexts texts = sample(false);
    texts.fields.insert(QStringLiteral("Edit5"), QString());
    const Sheet sheet = makeDruck2(texts);
    const PdfPage pdf = printSheetToPdf(sheet, m_dir.filePath(QStringLiteral("noratio.pdf")));
    const QStringList rows = pdf.rows();
    QVERIFY2(std::any_of(rows.cbegin(), rows.cend(),
                         [](const QString &r) { return r.contains(QLatin1String("L / bzw. max. 15 mm")); }),
             qPrintable(rows.join(QLatin1Char('\n'))));
}

void TestDruck2::sketchIsTheSystemInBothLanguages()
{
    for (const bool english : {false, true}) {
        const Sheet sheet = makeDruck2(sample(english));
        QCOMPARE(sheet.layout().pictures.size(), 2); // the logo and the sketch
        const Picture *sketch = sheet.picture(QStringLiteral("QRImage1"));
        QVERIFY(sketch);
        QVERIFY(sheet.pictureOn(QStringLiteral("QRImage1")));
        QCOMPARE(sketch->rect, QRect(348, 40, 250, 235));
        QVERIFY(sketch->stretch);
        QCOMPARE(sketch->resource, QStringLiteral(":/sketches/pgm2_system.svg"));
        QVERIFY(sheet.pictureOn(QStringLiteral("QRImage2")));
    }
    // The sketch's labels print as text where the drawing puts them.
    const QStringList words = page(false).text().split(QLatin1Char(' '));
    for (const char *label : {"A", "B", "C", "P", "k"})
        QVERIFY2(words.contains(QString::fromLatin1(label)), label);
}

QTEST_MAIN(TestDruck2)
#include "tst_druck2.moc"
