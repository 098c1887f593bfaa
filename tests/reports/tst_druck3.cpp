// The sheet of Programm 3, checked on the PDF that the engine writes: where each value and
// caption stands, which texts print in which language and under which snow rule.

#include "sheetpdf.h"

#include "programs/pgm31024/druck3.h"

#include <QtCore/QHash>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

using namespace report;

namespace
{
// The texts of the rafter form as "Drucken" hands them over: every value differs, so that
// each can be found where it belongs.
FormTexts sample(bool english, bool british)
{
    FormTexts texts;
    texts.english = english;
    texts.header = {QStringLiteral("Wintergarten Ost"), QStringLiteral("P-31"),
                    QStringLiteral("Glasbau West"),     QStringLiteral("B. Planer"),
                    QStringLiteral("08.12.2026"),       QStringLiteral("14:05:00")};
    const QHash<QString, QString> fields{
        {"Edit6", "4.25"},   {"Edit4", "1.15"},  {"Edit5", "1.35"},   {"Edit2", "2.05"},  {"Edit1", "28.5"},
        {"Edit3", "200"},    {"Edit9", "15"},    {"Edit10", "300"},   {"Edit14", "8.5"},  {"Edit15", "0.55"},
        {"Edit13", "0.75"},  {"Edit7", "0.45"},  {"Edit11", "271.4"}, {"Edit12", "30.8"}, {"Edit8", "312.9"},
        {"Edit16", "20.00"}, {"Edit18", "4.65"}, {"Edit17", "P-31"}};
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        texts.fields.insert(it.key(), it.value());
    texts.options.insert(QStringLiteral("RadioButton4"), !british);
    texts.options.insert(QStringLiteral("RadioButton3"), british);
    return texts;
}

const char *variant(bool english, bool british)
{
    if (english)
        return british ? "English sheet, British snow rule" : "English sheet, German snow rule";
    return british ? "German sheet, British snow rule" : "German sheet, German snow rule";
}

const PdfPage &printed(bool english, bool british)
{
    static QTemporaryDir dir;
    static QHash<int, PdfPage> pages;
    const int key = int(english) * 2 + int(british);
    if (!pages.contains(key))
        pages.insert(key, printSheetToPdf(makeDruck3(sample(english, british)),
                                          dir.filePath(QStringLiteral("druck3-%1.pdf").arg(key)), 600));
    return pages[key];
}
} // namespace

class TestDruck3 : public QObject
{
    Q_OBJECT

private slots:
    void positions_data();
    void positions();
    void texts_data();
    void texts();
    void exactTexts_data();
    void exactTexts();
    void emptyFieldsPrintEmpty();
    void picturesPrintInBothLanguages();
};

void TestDruck3::positions_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("british");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("band");
    QTest::addColumn<bool>("rightAligned");
    QTest::addColumn<int>("x"); // left edge, or right edge of a right-aligned value
    QTest::addColumn<int>("top");

    struct Place {
        const char *what;
        const char *german, *english;
        const QString &band;
        bool right;
        int x, top;
    };
    const Place places[] = {
        {"the project value stands at 176 beside its caption", "Wintergarten", "Wintergarten", kTitleBand,
         false, 176, 8},
        {"the creator's caption opens the third row of the right column", "Ersteller:", "Calculated",
         kTitleBand, false, 392, 56},
        {"the title stands at 8, 8 of the column header", "Statische", "Static", kColumnHeaderBand, false, 8,
         8},
        {"the heading opens the child band", "Schräge", "Overhead", kChildBand, false, 8, 8},
        {"the load-case line stands at 32", "Lastfall:", "Loading", kChildBand, false, 8, 32},
        {"the rafter length ends at 280", "4.25", "4.25", kChildBand, true, 280, 136},
        {"its unit stands at 298", "m", "m", kChildBand, false, 298, 136},
        {"the field width A ends at 280", "1.15", "1.15", kChildBand, true, 280, 160},
        {"the field width B ends at 280", "1.35", "1.35", kChildBand, true, 280, 184},
        {"the pane length ends at 280", "2.05", "2.05", kChildBand, true, 280, 208},
        {"the pitch ends at 280", "28.5", "28.5", kChildBand, true, 280, 232},
        {"the pitch unit stands at 298", "°", "°", kChildBand, false, 298, 232},
        {"the rafter ratio stands after L / and ends at 344", "200", "200", kChildBand, true, 344, 328},
        {"L / of the rafter row stands at 288", "L", "L", kChildBand, false, 288, 328},
        {"the rafter maximum ends at 451 in the gap of its caption", "15", "15", kChildBand, true, 451, 328},
        {"the maximum's caption stands at 352", "bzw.", "or", kChildBand, false, 352, 328},
        {"the pane-edge ratio ends at 344", "300", "300", kChildBand, true, 344, 352},
        {"the pane-edge maximum ends at 451", "8.5", "8.5", kChildBand, true, 451, 352},
        {"the wind load ends at 280", "0.55", "0.55", kChildBand, true, 280, 416},
        {"the snow load ends at 280", "0.75", "0.75", kChildBand, true, 280, 440},
        {"the dead load ends at 280", "0.45", "0.45", kChildBand, true, 280, 464},
        {"the dead load unit stands at 298", "kN/m²", "kN/m²", kChildBand, false, 298, 464},
        {"the results heading stands at 500", "Ergebnisse", "Results", kChildBand, false, 8, 500},
        {"the moment ends at 340", "271.4", "271.4", kChildBand, true, 340, 540},
        {"the moment symbol stands at 230", "M", "M", kChildBand, false, 230, 540},
        {"the moment unit stands at 357", "kNcm", "kNcm", kChildBand, false, 357, 540},
        {"the section modulus ends at 340", "30.8", "30.8", kChildBand, true, 340, 564},
        {"the second moment of area ends at 340", "312.9", "312.9", kChildBand, true, 340, 588},
        {"the rafter deflection ends at 340", "20.00", "20.00", kChildBand, true, 340, 612},
        {"the pane-edge deflection ends at 340", "4.65", "4.65", kChildBand, true, 340, 636},
        {"the material line follows the results", "Werkstoff:", "Material:", kChildBand, false, 8, 704},
        {"the disclaimer closes the notes", "Die", "The", kChildBand, false, 8, 794},
    };
    for (const bool english : {false, true}) {
        for (const bool british : {false, true}) {
            for (const Place &p : places) {
                const QByteArray name = QByteArray(p.what) + " on the " + variant(english, british);
                QTest::newRow(name.constData())
                    << english << british << QString::fromUtf8(english ? p.english : p.german) << p.band
                    << p.right << p.x << p.top;
            }
        }
    }
}

void TestDruck3::positions()
{
    QFETCH(bool, english);
    QFETCH(bool, british);
    QFETCH(QString, word);
    QFETCH(QString, band);
    QFETCH(bool, rightAligned);
    QFETCH(int, x);
    QFETCH(int, top);
    const QString where = wordAt(printed(english, british), makeDruck3(sample(english, british)), word, band,
                                 x, top, rightAligned);
    QVERIFY2(where.isEmpty(), qPrintable(where));
}

void TestDruck3::texts_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("british");
    QTest::addColumn<QStringList>("present"); // rows of the page that must contain these
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("the German sheet under the German snow rule names DIN 1055T4")
        << false << false
        << QStringList{"Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee nach DIN 1055T4",
                       "Schräge Konstruktion (Schrägdach)",
                       "Sparrenlänge der Dachfläche 4.25 m",
                       "Dachneigung α 28.5 ° (Grad)",
                       "zulässige Durchbiegung des Sparrens L / 200 bzw. max. 15 mm",
                       "Schneelast",
                       "erford. Widerstandsmoment",
                       "erforderliches Trägheitsmoment",
                       "Werkstoff: Aluminium EN AW6060 T66"}
        << QStringList{"BS 6399", "Material", "QRLabel"};
    QTest::newRow("the German sheet under the British snow rule names BS 6399-2")
        << false << true
        << QStringList{"Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee nach BS 6399-2"}
        << QStringList{"DIN 1055", "QRLabel"};
    QTest::newRow("the English sheet under the German snow rule names DIN 1055-4:1975-06")
        << true << false
        << QStringList{"Loading case: load resulting from permanent load, wind, snow according to DIN "
                       "1055-4:1975-06",
                       "Overhead construction / roof construction",
                       "rafter length LP 4.25 m",
                       "roof pitch α 28.5 °",
                       "allowed deflection of rafter L / 200 or max. 15 mm",
                       "allowed deflection of glass edge L / 300 or max. 8.5 mm",
                       "wind load p 0.55 kN/m²",
                       "permanent load g 0.45 kN/m²",
                       "req. moment of inertia",
                       "deflection of glass edge 4.65 mm",
                       "Static predimensioning",
                       "Material: Aluminium EN AW-6060 T66"}
        << QStringList{"Grad", "Lastfall", "Schräge", "Werkstoff", "QRLabel"};
    QTest::newRow("the English sheet under the British snow rule names BS 6399-2:1998")
        << true << true
        << QStringList{"Loading case: load resulting from permanent load, wind, snow according to BS "
                       "6399-2:1998"}
        << QStringList{"DIN 1055", "QRLabel"};
}

void TestDruck3::texts()
{
    QFETCH(bool, english);
    QFETCH(bool, british);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const QString problem = rowsCheck(printed(english, british), present, absent);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestDruck3::exactTexts_data()
{
    // Blanks in the design texts are kept: the maximum stands in the gap of its caption.
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("the German rafter length caption keeps its trailing blank and has no LP")
        << false << "QRLabel15"
        << "Sparrenlänge der Dachfläche ";
    QTest::newRow("the German field width A keeps its trailing blank") << false << "QRLabel17"
                                                                       << "Feldbreite A ";
    QTest::newRow("the German maximum caption keeps its ten blanks")
        << false << "QRLabel51" << QString("bzw. max." + QString(10, ' ') + "mm");
    QTest::newRow("the English pane-edge maximum caption keeps its thirteen blanks")
        << true << "QRLabel58" << QString("or max." + QString(13, ' ') + "mm");
    QTest::newRow("the English heading keeps its two blanks before the slash")
        << true << "QRLabel10"
        << "Overhead construction  / roof construction";
    QTest::newRow("the English pitch unit is the degree sign alone") << true << "QRLabel68"
                                                                     << "°";
    QTest::newRow("the German pitch unit names the degree") << false << "QRLabel68"
                                                            << "° (Grad)";
    QTest::newRow("the snow symbol stays in English") << true << "QRLabel73"
                                                      << "s";
    QTest::newRow("the position number comes from the form") << false << "QRLabel34"
                                                             << "P-31";
    QTest::newRow("the creator comes from the menu") << true << "QRLabel80"
                                                     << "B. Planer";
    QTest::newRow("the bold second moment of area is copied as shown") << false << "QRLabel45"
                                                                       << "312.9";
}

void TestDruck3::exactTexts()
{
    QFETCH(bool, english);
    QFETCH(QString, label);
    QFETCH(QString, text);
    const Sheet sheet = makeDruck3(sample(english, false));
    QVERIFY(sheet.label(label));
    QCOMPARE(sheet.text(label), text);
}

void TestDruck3::emptyFieldsPrintEmpty()
{
    // Before any calculation and with the loads left empty, as the form hands them over.
    FormTexts texts = sample(false, false);
    for (const char *name : {"Edit7", "Edit13", "Edit15", "Edit9", "Edit10"})
        texts.fields.insert(QLatin1String(name), QString());
    for (const char *name : {"Edit8", "Edit11", "Edit12", "Edit16", "Edit18"})
        texts.fields.insert(QLatin1String(name), QStringLiteral("0"));
    const Sheet sheet = makeDruck3(texts);
    for (const char *label : {"QRLabel43", "QRLabel44", "QRLabel78", "QRLabel52", "QRLabel57"})
        QCOMPARE(sheet.text(QLatin1String(label)), QString());
    for (const char *label : {"QRLabel45", "QRLabel48", "QRLabel49", "QRLabel61", "QRLabel64"})
        QCOMPARE(sheet.text(QLatin1String(label)), QStringLiteral("0"));
    QTemporaryDir dir;
    const PdfPage page = printSheetToPdf(sheet, dir.filePath(QStringLiteral("empty.pdf")), 300);
    QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
    const QString all = page.rows().join('\n');
    QVERIFY2(all.contains(QStringLiteral("Windlast w kN/m²")), qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("Eigenlast g kN/m²")), qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("Max. Feldmoment M 0 kNcm")), qPrintable(all));
}

void TestDruck3::picturesPrintInBothLanguages()
{
    for (const bool english : {false, true}) {
        const Sheet sheet = makeDruck3(sample(english, false));
        for (const char *name : {"QRImage1", "QRImage2", "QRImage3"}) {
            QVERIFY2(sheet.picture(QLatin1String(name)), name);
            QVERIFY2(sheet.pictureOn(QLatin1String(name)), name);
        }
    }
    // The sketch's letters print as text inside its box at 350, 56.
    const QStringList rows = printed(false, false).rows();
    const QString all = rows.join('\n');
    for (const char *letter : {"LP", "LS", "A", "B"})
        QVERIFY2(rows.join(' ').split(' ').contains(QLatin1String(letter)),
                 qPrintable(letter + QString(" in ") + all));
}

QTEST_MAIN(TestDruck3)
#include "tst_druck3.moc"
