// The sheet of Programm 6 on the PDF the engine writes: where each text stands, which texts
// print in which language and with which option, and that values are the form's texts as shown.

#include "sheetpdf.h"

#include "programs/pgm61024/druck6.h"

#include <QtCore/QFile>
#include <QtCore/QHash>
#include <QtCore/QRegularExpression>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>

using namespace report;

namespace
{
// The form's texts as "Drucken" hands them over: every value differs, so each can be found.
FormTexts sample(bool english, bool glass)
{
    FormTexts texts;
    texts.english = english;
    texts.header = {QStringLiteral("Bürohaus Nord"), QStringLiteral("P-4711"),
                    QStringLiteral("Fensterbau"),    QStringLiteral("A. Planer"),
                    QStringLiteral("08.12.2026"),    QStringLiteral("10:15")};
    texts.fields = {{"Edit1", "1.5"},  {"Edit13", "2.25"}, {"Edit14", "8.76"}, {"Edit2", "0.45"},
                    {"Edit3", "0.15"}, {"Edit7", "3"},     {"Edit9", "0.7"},   {"Edit6", "0.4"},
                    {"Edit10", "6.1"}, {"Edit8", "0.9"},   {"Edit5", "7.8"},   {"Edit11", "P-4711"}};
    texts.options = {{"RadioButton1", glass}, {"RadioButton2", !glass}};
    return texts;
}

const char *variant(bool english, bool glass)
{
    if (english)
        return glass ? "English glass sheet" : "English infill sheet";
    return glass ? "German glass sheet" : "German infill sheet";
}
} // namespace

class TestDruck6 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void positions_data();
    void positions();
    void texts_data();
    void texts();
    void pictures_data();
    void pictures();
    void failedCalculationPrintsWhatTheFormShows();

private:
    QTemporaryDir m_dir;
    QHash<int, PdfPage> m_pages;
};

void TestDruck6::initTestCase()
{
    QVERIFY(m_dir.isValid());
    bool ok = false;
    runTool(QStringLiteral("pdftotext"), {QStringLiteral("-v")}, &ok);
    if (!ok)
        QFAIL("pdftotext is missing: install the Debian package poppler-utils");
}

// A label the sheet does not have, or a name used twice, is a fault of the layout.
void TestDruck6::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^report: ")));
}

void TestDruck6::positions_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("glass");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("band");
    QTest::addColumn<int>("x"); // left edge, or right edge of a right-aligned value
    QTest::addColumn<int>("top");
    QTest::addColumn<bool>("right");

    struct Place {
        const char *what;
        const char *german, *english;
        const QString &band;
        int x, top;
        bool right;
        int option; // 0 both, 1 glass only, 2 infill only
    };
    const Place places[] = {
        {"the creator value stands in the right column", "A.", "A.", kTitleBand, 496, 56, false, 0},
        {"the title stands in the detail band", "Statische", "Static", kColumnHeaderBand, 8, 8, false, 0},
        {"the heading opens the child band", "Riegel-Bemessung", "Dimensioning", kChildBand, 8, 8, false, 0},
        {"the conditions heading stands at 56", "Bedingungen", "Requirements", kChildBand, 8, 56, false, 0},
        {"the self-weight line stands at 80", "Riegeleigengewicht:", "load", kChildBand, 8, 80, false, 0},
        {"the construction heading stands at 133", "Konstruktion", "Construction", kChildBand, 8, 133, false,
         0},
        {"the span ends at 345", "1.5", "1.5", kChildBand, 345, 160, true, 0},
        {"the block distance ends at 345", "0.15", "0.15", kChildBand, 345, 208, true, 0},
        {"the deflection heading stands at 253", "Durchbiegungsbeschränkungen", "Deflection", kChildBand, 8,
         253, false, 0},
        {"the symbol f stands at 219", "f", "f", kChildBand, 219, 280, false, 0},
        {"the allowed deflection ends at 345", "3", "3", kChildBand, 345, 280, true, 0},
        {"the load heading stands at 317", "Belastung", "Load", kChildBand, 8, 317, false, 0},
        {"the glass thickness ends at 345", "8.76", "8.76", kChildBand, 345, 344, true, 1},
        {"the glass thickness in mm", "mm", "mm", kChildBand, 352, 344, false, 1},
        {"the infill weight ends at 345", "0.45", "0.45", kChildBand, 345, 344, true, 2},
        {"the infill weight in kN/m²", "kN/m²", "kN/m²", kChildBand, 352, 344, false, 2},
        {"the results heading stands at 412", "Ergebnisse", "Results", kChildBand, 8, 412, false, 0},
        {"the symbol F stands at 219", "F", "F", kChildBand, 219, 444, false, 0},
        {"the reaction ends at 369", "0.4", "0.4", kChildBand, 369, 444, true, 0},
        {"the weight ends at 369", "0.7", "0.7", kChildBand, 369, 468, true, 0},
        {"the moment ends at 369", "6.1", "6.1", kChildBand, 369, 492, true, 0},
        {"the section modulus ends at 369", "0.9", "0.9", kChildBand, 369, 516, true, 0},
        {"the moment's unit stands at 392", "kNcm", "kNcm", kChildBand, 392, 492, false, 0},
        {"the second moment of area ends at 369", "7.8", "7.8", kChildBand, 369, 540, true, 0},
        {"the bold caption of the second moment of area stands at 540", "erforderliches", "req.", kChildBand,
         8, 540, false, 0},
        {"the material line stands at 660", "Werkstoff:", "Material:", kChildBand, 8, 660, false, 0},
        {"the first liability note stands at 708", "Wir", "We", kChildBand, 8, 708, false, 0},
        {"the disclaimer stands at 756", "Die", "The", kChildBand, 8, 756, false, 0},
    };
    for (const bool english : {false, true}) {
        for (const bool glass : {true, false}) {
            for (const Place &p : places) {
                if ((p.option == 1 && !glass) || (p.option == 2 && glass))
                    continue;
                const QByteArray name = QByteArray(p.what) + " on the " + variant(english, glass);
                QTest::newRow(name.constData())
                    << english << glass << QString::fromUtf8(english ? p.english : p.german) << p.band << p.x
                    << p.top << p.right;
            }
        }
    }
}

void TestDruck6::positions()
{
    QFETCH(bool, english);
    QFETCH(bool, glass);
    QFETCH(QString, word);
    QFETCH(QString, band);
    QFETCH(int, x);
    QFETCH(int, top);
    QFETCH(bool, right);
    const Sheet sheet = makeDruck6(sample(english, glass));
    // One PDF per variant serves all its rows.
    const int key = int(english) * 2 + int(glass);
    if (!m_pages.contains(key))
        m_pages.insert(key, printSheetToPdf(sheet, m_dir.filePath(QStringLiteral("sheet%1.pdf").arg(key))));
    const QString misplaced = wordAt(m_pages[key], sheet, word, band, x, top, right);
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
}

void TestDruck6::texts_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("glass");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");

    QTest::newRow("the German self-weight keeps its decimal comma") << false << true << "QRLabel70"
                                                                    << "Riegeleigengewicht: 0,03 kN/m";
    QTest::newRow("the English self-weight has a decimal point") << true << true << "QRLabel70"
                                                                 << "load of transom: 0.03 kN/m";
    QTest::newRow("the German weight caption keeps its trailing blank") << false << true << "QRLabel12"
                                                                        << "Glas- oder Füllungsgewicht ";
    QTest::newRow("the subscript of f reads Riegel in German") << false << false << "QRLabel51"
                                                               << "Riegel";
    QTest::newRow("the subscript of f reads transom in English") << true << true << "QRLabel51"
                                                                 << "transom";
    QTest::newRow("the German glass row") << false << true << "QRLabel19"
                                          << "Glasdicke (ohne LZR)";
    QTest::newRow("the German glass row copies the thickness") << false << true << "QRLabel43"
                                                               << "8.76";
    QTest::newRow("the German glass row is in mm") << false << true << "QRLabel16"
                                                   << "mm";
    QTest::newRow("the German infill row") << false << false << "QRLabel19"
                                           << "Füllgewicht";
    QTest::newRow("the infill row copies the weight") << false << false << "QRLabel43"
                                                      << "0.45";
    QTest::newRow("the infill row is in kN/m²") << false << false << "QRLabel16"
                                                << "kN/m²";
    QTest::newRow("the English glass row") << true << true << "QRLabel19"
                                           << "thickness of glass (without air space)";
    QTest::newRow("the English infill row") << true << false << "QRLabel19"
                                            << "weight of filling";
    QTest::newRow("the English infill row is in kN/m² too") << true << false << "QRLabel16"
                                                            << "kN/m²";
    QTest::newRow("the position number comes from the form") << false << true << "QRLabel34"
                                                             << "P-4711";
    QTest::newRow("the creator stands in the sheet's own value label") << true << false << "QRLabel62"
                                                                       << "A. Planer";
    QTest::newRow("the English creator caption") << true << false << "QRLabel40"
                                                 << "Calculated by:";
    QTest::newRow("the German disclaimer") << false << true << "QRLabel39"
                                           << "Die Berechnung ersetzt keine prüfbare Statik.";
}

void TestDruck6::texts()
{
    QFETCH(bool, english);
    QFETCH(bool, glass);
    QFETCH(QString, label);
    QFETCH(QString, text);
    const Sheet sheet = makeDruck6(sample(english, glass));
    QCOMPARE(sheet.text(label), text);
}

void TestDruck6::pictures_data()
{
    QTest::addColumn<bool>("english");
    QTest::newRow("the German sheet prints the German sketch only") << false;
    QTest::newRow("the English sheet prints the English sketch only") << true;
}

void TestDruck6::pictures()
{
    QFETCH(bool, english);
    const Sheet sheet = makeDruck6(sample(english, true));
    QCOMPARE(sheet.pictureOn(QStringLiteral("QRImage1")), !english);
    QCOMPARE(sheet.pictureOn(QStringLiteral("QRImage3")), english);
    QVERIFY(sheet.pictureOn(QStringLiteral("QRImage2"))); // the logo
    // The sketch's inscriptions print as text in the sketch's place.
    const PdfPage page =
        printSheetToPdf(sheet, m_dir.filePath(QStringLiteral("pictures%1.pdf").arg(english)));
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    const QString words = page.text();
    QCOMPARE(words.contains(QStringLiteral("Scheibenbreite")), !english);
    QCOMPARE(words.contains(QStringLiteral("width of glass/")), english);
}

void TestDruck6::failedCalculationPrintsWhatTheFormShows()
{
    FormTexts texts = sample(false, true);
    // A failed span reads "0"; the results stay "0".
    for (const char *name : {"Edit1", "Edit5", "Edit6", "Edit8", "Edit9", "Edit10"})
        texts.fields.insert(QLatin1String(name), QStringLiteral("0"));
    const Sheet sheet = makeDruck6(texts);
    for (const char *label : {"QRLabel41", "QRLabel45", "QRLabel46", "QRLabel47", "QRLabel48", "QRLabel52"})
        QCOMPARE(sheet.text(QLatin1String(label)), QStringLiteral("0"));
    QCOMPARE(sheet.text(QStringLiteral("QRLabel42")), QStringLiteral("2.25"));
    QCOMPARE(sheet.text(QStringLiteral("QRLabel33")), QStringLiteral("Bürohaus Nord"));
}

QTEST_MAIN(TestDruck6)
#include "tst_druck6.moc"
