#include "core/cataloguestore.h"
#include "core/sections.h"

#include <QtTest/QtTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include <sys/stat.h>
#include <unistd.h>

using namespace vb::sections;

namespace
{
Section section(const char *name, double ix, double wx, double iy, double wy, std::optional<double> mass = {},
                const char *series = "")
{
    return Section{QString::fromUtf8(name), QString::fromUtf8(series), ix, wx, iy, wy, mass};
}

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool same(const Section &a, const Section &b)
{
    return a.name == b.name && a.series == b.series && sameBits(a.ix, b.ix) && sameBits(a.wx, b.wx) &&
           sameBits(a.iy, b.iy) && sameBits(a.wy, b.wy) && a.mass.has_value() == b.mass.has_value() &&
           (!a.mass || sameBits(*a.mass, *b.mass));
}

QStringList names(const QList<Candidate> &candidates)
{
    QStringList out;
    for (const Candidate &c : candidates)
        out.append(c.section->name);
    return out;
}

QStringList catalogueNames(const StoredCatalogues &stored)
{
    QStringList out;
    for (const Catalogue &c : stored.catalogues)
        out.append(c.name);
    return out;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QByteArray kGoodCatalogue = "Name;Ix;Wx;Iy;Wy\nA;130;18;40;12\n";
} // namespace

class TestSections : public QObject
{
    Q_OBJECT

private slots:
    void hollow_data();
    void hollow();
    void genericSeries();
    void passRule_data();
    void passRule();
    void order_data();
    void order();
    void reads_data();
    void reads();
    void refusals_data();
    void refusals();
    void unusable_data();
    void unusable();
    void roundTrip();
    void folderLeavesOut_data();
    void folderLeavesOut();
    void addNames_data();
    void addNames();
    void addSaysWhyItFails();
    void removeTakesTheFileAway();
};

void TestSections::hollow_data()
{
    QTest::addColumn<QList<double>>("bht");
    QTest::addColumn<QList<double>>("expected"); // A [cm²], Ix, Wx, Iy, Wy, mass [kg/m]
    QTest::addColumn<QString>("name");
    QTest::newRow("a 50 x 100 x 3 mullion tube, checked by hand")
        << QList<double>{50, 100, 3} << QList<double>{8.64, 112.1192, 22.42384, 37.4392, 14.97568, 2.3328}
        << "50 x 100 x 3";
    QTest::newRow("a square 60 x 60 x 4 tube is as stiff about both axes")
        << QList<double>{60, 60, 4} << QList<double>{8.96, 47.06987, 15.68996, 47.06987, 15.68996, 2.4192}
        << "60 x 60 x 4";
    QTest::newRow("a wall beyond half the width is a solid bar, never more")
        << QList<double>{40, 40, 25} << QList<double>{16.0, 21.33333, 10.66667, 21.33333, 10.66667, 4.32}
        << "40 x 40 x 25";
    QTest::newRow("a tube without a wall is no section")
        << QList<double>{50, 100, 0} << QList<double>{0, 0, 0, 0, 0, 0} << "50 x 100 x 0";
}

void TestSections::hollow()
{
    QFETCH(QList<double>, bht);
    QFETCH(QList<double>, expected);
    QFETCH(QString, name);
    const Section s = hollowSection(bht[0], bht[1], bht[2]);
    const double got[] = {hollowArea(bht[0], bht[1], bht[2]), s.ix, s.wx, s.iy, s.wy, s.mass.value_or(0.0)};
    for (int k = 0; k < 6; ++k)
        QVERIFY2(std::abs(got[k] - expected[k]) < 1e-5,
                 qPrintable(QString("value %1: %2").arg(k).arg(got[k])));
    QCOMPARE(s.name, name);
}

void TestSections::genericSeries()
{
    const QList<Section> tubes = genericTubes();
    QVERIFY(tubes.size() >= 40 && tubes.size() <= 80);
    QSet<QString> seen;
    for (const Section &s : tubes) {
        const QStringList bht = s.name.split(" x ");
        QCOMPARE(bht.size(), 3);
        const double b = bht[0].toDouble(), h = bht[1].toDouble(), t = bht[2].toDouble();
        QVERIFY2(b >= 40 && b <= 80 && h >= 40 && h <= 200 && t >= 2 && t <= 5, qPrintable(s.name));
        QVERIFY2(2 * t < b && 2 * t < h, qPrintable(s.name));
        QVERIFY2(!seen.contains(s.name), qPrintable(s.name));
        seen.insert(s.name);
        // The window names the series by its kind, in the planner's language.
        QCOMPARE(s.tube, b == h ? vb::sections::Tube::Square : vb::sections::Tube::Rectangular);
        QVERIFY(s.mass && *s.mass > 0 && s.ix > 0 && s.iy > 0);
    }
}

void TestSections::passRule_data()
{
    const double ix = hollowSection(50, 100, 3).ix;
    QTest::addColumn<double>("required");
    QTest::addColumn<int>("candidates");
    QTest::addColumn<double>("utilisation");
    QTest::newRow("a section offering exactly the required Ix passes at 100 %") << ix << 1 << 100.0;
    QTest::newRow("one ulp more than the section offers fails")
        << std::nextafter(ix, std::numeric_limits<double>::infinity()) << 0 << 0.0;
    QTest::newRow("half the section's Ix is 50 %") << ix / 2 << 1 << 50.0;
    QTest::newRow("a requirement of 0 asks nothing") << 0.0 << 1 << 0.0;
    QTest::newRow("a negative requirement asks nothing") << -5.0 << 1 << 0.0;
    QTest::newRow("an overflowed requirement is carried by no section")
        << std::numeric_limits<double>::infinity() << 0 << 0.0;
    QTest::newRow("a failed requirement is carried by no section")
        << std::numeric_limits<double>::quiet_NaN() << 0 << 0.0;
}

void TestSections::passRule()
{
    QFETCH(double, required);
    QFETCH(int, candidates);
    QFETCH(double, utilisation);
    const Catalogue catalogue{"generic", {hollowSection(50, 100, 3)}};
    const Section &s = catalogue.sections.first();
    // Ix as asked, then Wx and Wy at the section's values: governing is the first of the three at 100 %.
    const QList<Candidate> found = sufficientSections(
        {&catalogue}, {{Quantity::Ix, required}, {Quantity::Wx, s.wx / 4}, {Quantity::Wy, s.wy}});
    QCOMPARE(found.size(), candidates);
    if (candidates == 1) {
        QCOMPARE(found[0].section, &s);
        QCOMPARE(found[0].utilisation, (QList<double>{utilisation, 25.0, 100.0}));
        QCOMPARE(found[0].governing, utilisation == 100.0 ? 0 : 2);
    }
}

void TestSections::order_data()
{
    QTest::addColumn<Quantity>("first");
    QTest::addColumn<QStringList>("expected");
    // Lightest first; sections without a mass after them, by I about the first requirement's axis;
    // equal keys by name, then in catalogue order (the two "B" from two catalogues).
    QTest::newRow("a requirement about x puts unweighed sections by Ix")
        << Quantity::Wx << QStringList{"light", "A", "B", "B", "heavy", "stiff in y", "stiff in x"};
    QTest::newRow("a requirement about y puts unweighed sections by Iy")
        << Quantity::Iy << QStringList{"light", "A", "B", "B", "heavy", "stiff in x", "stiff in y"};
}

void TestSections::order()
{
    QFETCH(Quantity, first);
    QFETCH(QStringList, expected);
    const Catalogue one{"one",
                        {section("heavy", 10, 10, 10, 10, 3.0), section("stiff in x", 30, 10, 20, 10),
                         section("B", 10, 10, 10, 10, 2.0), section("too weak", 1, 1, 1, 1, 0.1),
                         section("light", 10, 10, 10, 10, 1.0)}};
    const Catalogue two{"two",
                        {section("stiff in y", 20, 10, 30, 10), section("B", 10, 10, 10, 10, 2.0),
                         section("A", 10, 10, 10, 10, 2.0)}};
    const QList<Candidate> found = sufficientSections({&one, &two}, {{first, 5.0}, {Quantity::Wx, 5.0}});
    QCOMPARE(names(found), expected);
    QCOMPARE(found[2].section, &one.sections[2]);
    QCOMPARE(found[3].section, &two.sections[1]);
}

void TestSections::reads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<Section>>("expected");
    QTest::newRow("a German spreadsheet: BOM, CRLF, units, decimal commas, a quoted name")
        << QByteArray("\xEF\xBB\xBF Bezeichnung ; Ix [cm\xE2\x81\xB4];Wx [cm\xC2\xB3];IY;WY;Gewicht "
                      "[kg/lfm];Reihe\r\n"
                      "\"R 50; alt\";112,1;22,42;37,4;15;2,33;Fassade\r\n"
                      "R 60;1,5e2;30;40;16;;\r\n")
        << QList<Section>{section("R 50; alt", 112.1, 22.42, 37.4, 15, 2.33, "Fassade"),
                          section("R 60", 150, 30, 40, 16)};
    QTest::newRow("an English file: commas, decimal points, quotes doubled, unknown columns ignored")
        << QByteArray("Section,Ix (cm4),Wx,Iy,Wy,A [cm2],Weight (kg/m),System\n"
                      "\"T \"\"80\"\", 3\",0.5,1.25,2,3,7.1,1e0,S1\n")
        << QList<Section>{section("T \"80\", 3", 0.5, 1.25, 2, 3, 1.0, "S1")};
    QTest::newRow("Windows-1252 with bare CR line ends and blank lines")
        << QByteArray("\r\rProfil;Ix;Wx;Iy;Wy\r;;;;\rRohr \xE4\x80;1;2;3;4\r")
        << QList<Section>{section("Rohr \xC3\xA4\xE2\x82\xAC", 1, 2, 3, 4)};
    QTest::newRow("every usual spelling of the units, in any case, and a note in brackets")
        << QByteArray("Name;Ix [ cm^4 ];Wx (CM3);Iy [cm4] (y-Achse);Wy [cm\xC2\xB3];Masse [kg / m]\n"
                      "Riegel;1;2;3;4;5\n")
        << QList<Section>{section("Riegel", 1, 2, 3, 4, 5.0)};
}

void TestSections::reads()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<Section>, expected);
    const CsvRead read = readCsv(file);
    QVERIFY(read.usable);
    QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.value(0).what.english));
    QCOMPARE(read.sections.size(), expected.size());
    for (qsizetype k = 0; k < expected.size(); ++k)
        QVERIFY2(same(read.sections[k], expected[k]), qPrintable(read.sections[k].name));
}

void TestSections::refusals_data()
{
    QTest::addColumn<QByteArray>("rows"); // after the header and a blank line, so from line 3
    QTest::addColumn<int>("line");        // of the refused row; 0: every row reads
    QTest::addColumn<QString>("reason");  // the start of the English reason
    QTest::addColumn<int>("sections");    // the rows that read
    const QByteArray good = "A;1;2;3;4;;\n";
    QTest::newRow("an empty cell is a missing value")
        << QByteArray("A;1;2;;4") << 3 << "value missing: Iy" << 0;
    QTest::newRow("a short row is a missing value") << QByteArray("A;1;2;3") << 3 << "value missing: Wy" << 0;
    QTest::newRow("text in a number column") << QByteArray("A;1;zwei;3;4") << 3 << "not a number: Wx" << 0;
    QTest::newRow("a point with decimal commas may be a thousands point and never reads")
        << QByteArray("A;1.234;2;3;4") << 3 << "point in the number" << 0;
    QTest::newRow("a comma with decimal points does not read either")
        << QByteArray("A,\"1,5\",2,3,4") << 3 << "comma in the number" << 0;
    QTest::newRow("a value of 0") << QByteArray("A;1;2;0;4") << 3 << "value not greater than 0: Iy" << 0;
    QTest::newRow("a negative mass") << QByteArray("A;1;2;3;4;-1") << 3 << "value not greater than 0: mass"
                                     << 0;
    QTest::newRow("an empty name") << QByteArray("  ;1;2;3;4") << 3 << "name missing" << 0;
    QTest::newRow("more cells than the header") << QByteArray("A;1;2;3;4;5;S;x") << 3 << "more cells" << 0;
    QTest::newRow("trailing empty cells are no more cells")
        << QByteArray("A;1;2;3;4;5;S;;; ") << 0 << "" << 1;
    QTest::newRow("a quote that does not close")
        << QByteArray("\"A;1;2;3;4") << 3 << "quotation mark not closed" << 0;
    QTest::newRow("text after a closing quote") << QByteArray("\"A\" B;1;2;3;4") << 3 << "text after" << 0;
    QTest::newRow("the second row of a name, after a blank line")
        << good + "\nA;1;2;3;4" << 5 << "name given twice" << 1;
    QTest::newRow("names differing in case are two sections") << good + "a;1;2;3;4" << 0 << "" << 2;
}

void TestSections::refusals()
{
    QFETCH(QByteArray, rows);
    QFETCH(int, line);
    QFETCH(QString, reason);
    QFETCH(int, sections);
    // The header in the style of the rows.
    const QByteArray header =
        rows.contains(';') ? "Name;Ix;Wx;Iy;Wy;Masse;Serie" : "name,ix,wx,iy,wy,mass,series";
    const CsvRead read = readCsv(header + "\n\n" + rows);
    QVERIFY(read.usable);
    QCOMPARE(read.problems.size(), line == 0 ? 0 : 1);
    if (line != 0) {
        QCOMPARE(read.problems[0].line, line);
        QVERIFY2(read.problems[0].what.english.startsWith(reason), qPrintable(read.problems[0].what.english));
        QVERIFY(!read.problems[0].what.german.isEmpty());
    }
    QCOMPARE(read.sections.size(), sections);
}

void TestSections::unusable_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line"); // 0: the file as a whole
    QTest::addColumn<QString>("reason");
    QTest::newRow("two required columns missing")
        << QByteArray("Name;Ix;Wx\nA;1;2") << 0 << "columns missing: Iy, Wy";
    QTest::newRow("a column given twice")
        << QByteArray("Name,Ix,Wx,Iy,Wy,ix\nA,1,2,3,4,5") << 0 << "columns given twice: Ix";
    QTest::newRow("Ix in mm4 would be 10^4 times too stiff, and the header is named as written")
        << QByteArray("Name;Ix [mm4];Wx;Iy;Wy\nA;1;2;3;4") << 0
        << "wrong unit: \u201CIx [mm4]\u201D instead of cm\u2074";
    QTest::newRow("a superscript five is a power too, not a note")
        << QByteArray("Name;Ix;Wx [cm\xE2\x81\xB5];Iy;Wy\nA;1;2;3;4") << 0
        << "wrong unit: \u201CWx [cm\u2075]\u201D";
    QTest::newRow("a length alone is no unit of a second moment of area")
        << QByteArray("Name;Ix;Wx;Iy (cm);Wy\nA;1;2;3;4") << 0
        << "wrong unit: \u201CIy (cm)\u201D instead of cm\u2074";
    QTest::newRow("a mass in kg is not per metre")
        << QByteArray("Name;Ix;Wx;Iy;Wy;Gewicht [kg]\nA;1;2;3;4;5") << 0
        << "wrong unit: \u201CGewicht [kg]\u201D instead of kg/m";
    QTest::newRow("a power sign inside the unit is no spelling of it")
        << QByteArray("Name;Ix [c^m4];Wx;Iy;Wy\nA;1;2;3;4") << 0 << "wrong unit: \u201CIx [c^m4]\u201D";
    QTest::newRow("blank lines only") << QByteArray(" \r\n\n") << 0 << "no header row";
    QTest::newRow("a header and empty rows only")
        << QByteArray("Name;Ix;Wx;Iy;Wy\r\n;;;;\r\n") << 0 << "no rows below the header row";
    QTest::newRow("a file over the limit") << QByteArray(kMaxCsvBytes + 1, '\n') << 0 << "file larger";
    // "Röhre" in UTF-8 on line 2, in Windows-1252 on line 4: no decoding reads both.
    QTest::newRow("Windows-1252 after UTF-8 is refused where it begins, CR LF counted once")
        << QByteArray("Name;Ix;Wx;Iy;Wy\r\nR\xC3\xB6hre;1;2;3;4\r\n\r\nR\xF6hre 2;1;2;3;4\r\n") << 4
        << "mixed encoding: characters that are not UTF-8, in a file with UTF-8 from line 2";
    QTest::newRow("UTF-8 after Windows-1252 is refused where it begins")
        << QByteArray("Name;Ix;Wx;Iy;Wy\nR\xF6hre;1;2;3;4\rR\xC3\xB6hre 2;1;2;3;4\n") << 3
        << "mixed encoding: UTF-8 in a file with characters of another encoding from line 2";
    QTest::newRow("a byte-order mark declares UTF-8, so a Windows-1252 byte mixes")
        << QByteArray("\xEF\xBB\xBFName;Ix;Wx;Iy;Wy\nR\xF6hre;1;2;3;4\n") << 2
        << "mixed encoding: characters that are not UTF-8, in a file with UTF-8 from line 1";
}

void TestSections::unusable()
{
    QFETCH(QByteArray, file);
    QFETCH(int, line);
    QFETCH(QString, reason);
    const CsvRead read = readCsv(file);
    QVERIFY(!read.usable);
    QVERIFY(read.sections.isEmpty());
    QCOMPARE(read.problems.size(), 1);
    QCOMPARE(read.problems[0].line, line);
    QVERIFY2(read.problems[0].what.english.startsWith(reason), qPrintable(read.problems[0].what.english));
    QVERIFY(!read.problems[0].what.german.isEmpty());
}

void TestSections::roundTrip()
{
    const QList<Section> sections = {
        section("Rohr \"50\"; Ä", 0.1, 1.0 / 3.0, 1e-300, 1.7976931348623157e308, 2.33, "Serie; \"A\""),
        section("x", 123456789.125, 7e22, 5e-324, 1.5, {}, ""),
        hollowSection(50, 100, 3),
    };
    const QByteArray csv = writeCsv(sections);
    QVERIFY(csv.startsWith("Name;Ix [cm4];Wx [cm3];Iy [cm4];Wy [cm3];Masse [kg/m];Serie\n"));
    QVERIFY(csv.contains("\n50 x 100 x 3;112,1192;"));
    const CsvRead read = readCsv(csv);
    QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.value(0).what.english));
    QCOMPARE(read.sections.size(), sections.size());
    for (qsizetype k = 0; k < sections.size(); ++k)
        QVERIFY2(same(read.sections[k], sections[k]), qPrintable(sections[k].name));
}

void TestSections::folderLeavesOut_data()
{
    // An entry beside a catalogue that reads: `entry` is set up as `kind` says.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason"); // the start of the English reason
    QTest::newRow("a named pipe is left out without waiting for a writer") << "pipe"
                                                                           << "This is not a regular file.";
    QTest::newRow("a link to a device that never ends is left out unread") << "link to /dev/zero"
                                                                           << "This is not a regular file.";
    QTest::newRow("a link that leads nowhere") << "dangling link"
                                               << "The file or folder does not exist.";
    QTest::newRow("a file larger than a catalogue may be") << "large"
                                                           << "The file is larger than 10 MB";
    QTest::newRow("a file the planner may not read") << "unreadable"
                                                     << "Permission denied.";
    QTest::newRow("rows that do not read, by the first of them") << "bad rows"
                                                                 << "line 3: not a number: Wx (and 1 more)";
}

void TestSections::folderLeavesOut()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("Gut.csv"), kGoodCatalogue));
    const QString entry = dir.filePath("Eintrag.csv");
    const QByteArray path = QFile::encodeName(entry);
    if (kind == "pipe") {
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    } else if (kind == "link to /dev/zero") {
        QVERIFY(QFile::link("/dev/zero", entry));
    } else if (kind == "dangling link") {
        QVERIFY(QFile::link(dir.filePath("fort.csv"), entry));
    } else if (kind == "large") {
        QFile file(entry);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kMaxCsvBytes + 1));
    } else if (kind == "unreadable") {
        if (::geteuid() == 0)
            QSKIP("the superuser reads every file");
        QVERIFY(writeFile(entry, kGoodCatalogue));
        QVERIFY(QFile::setPermissions(entry, QFileDevice::WriteOwner));
    } else if (kind == "bad rows") {
        QVERIFY(writeFile(entry, "Name;Ix;Wx;Iy;Wy\nA;1;2;3;4\nB;1;x;3;4\nC;1;2;3;\n"));
    }
    const StoredCatalogues stored = CatalogueStore(dir.path()).load();
    QCOMPARE(catalogueNames(stored), QStringList{"Gut"});
    QCOMPARE(stored.leftOut.size(), 1);
    QCOMPARE(stored.leftOut[0].fileName, QStringLiteral("Eintrag.csv"));
    QVERIFY2(stored.leftOut[0].why.english.startsWith(reason), qPrintable(stored.leftOut[0].why.english));
    QVERIFY(!stored.leftOut[0].why.german.isEmpty());
}

void TestSections::addNames_data()
{
    QTest::addColumn<QString>("present"); // what stands in the folder before
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("given");
    QTest::newRow("the first catalogue makes the folder and takes its name as it is") << ""
                                                                                      << "Hausserie"
                                                                                      << "Hausserie";
    QTest::newRow("a name holding %1 gets its number without losing it") << "Serie %1.csv"
                                                                         << "Serie %1"
                                                                         << "Serie %1 (2)";
    QTest::newRow("a link that leads nowhere holds its name, so nothing is written through it")
        << "link Alt.csv"
        << "Alt"
        << "Alt (2)";
}

void TestSections::addNames()
{
    QFETCH(QString, present);
    QFETCH(QString, wanted);
    QFETCH(QString, given);
    QTemporaryDir dir;
    const QString folder = dir.filePath("daten/kataloge");
    const QString linkTarget = dir.filePath("irgendwo.csv");
    if (!present.isEmpty())
        QVERIFY(QDir().mkpath(folder));
    if (present.startsWith("link "))
        QVERIFY(QFile::link(linkTarget, QDir(folder).filePath(present.mid(5))));
    else if (!present.isEmpty())
        QVERIFY(writeFile(QDir(folder).filePath(present), kGoodCatalogue));
    const QList<Section> sections = {section("R 50", 112.1, 22.42, 37.4, 15, 2.33, "Fassade")};
    const vb::Result<QString> added = CatalogueStore(folder).add(wanted, sections);
    QVERIFY2(added.ok(), qPrintable(added.reason().english));
    QCOMPARE(added.value(), given);
    QVERIFY(!QFileInfo::exists(linkTarget));
    const StoredCatalogues stored = CatalogueStore(folder).load();
    const auto it = std::find_if(stored.catalogues.cbegin(), stored.catalogues.cend(),
                                 [&given](const Catalogue &c) { return c.name == given; });
    QVERIFY(it != stored.catalogues.cend());
    QCOMPARE(it->sections.size(), 1);
    QVERIFY(same(it->sections[0], sections[0]));
}

void TestSections::addSaysWhyItFails()
{
    // The catalogue folder would lie below a file: it cannot be made.
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("daten"), "kein Ordner"));
    const QString folder = dir.filePath("daten/kataloge");
    const vb::Result<QString> added = CatalogueStore(folder).add("Hausserie", {section("A", 1, 2, 3, 4)});
    QVERIFY(!added);
    const vb::Text error = added.reason();
    QCOMPARE(error.german, folder + QStringLiteral(": Ein Teil des Pfads ist kein Ordner."));
    QCOMPARE(error.english, folder + QStringLiteral(": A part of the path is not a folder."));
}

void TestSections::removeTakesTheFileAway()
{
    // A file copied in by hand with an upper-case suffix is listed by its name like the others.
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("Alt.CSV"), kGoodCatalogue));
    QVERIFY(writeFile(dir.filePath("Neu.csv"), kGoodCatalogue));
    const CatalogueStore store(dir.path());
    QCOMPARE(catalogueNames(store.load()), (QStringList{"Alt", "Neu"}));
    QVERIFY(store.remove("Alt"));
    QVERIFY(store.remove("Neu"));
    QVERIFY(store.remove("nie da"));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

QTEST_APPLESS_MAIN(TestSections)
#include "tst_sections.moc"
