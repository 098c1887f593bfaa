#include "core/projectfile.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QSysInfo>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <sys/file.h>
#include <unistd.h>

using namespace vb::project;

namespace
{
// Two programs whose forms the tests know; the others are unknown.
const ProgramFields *testFields(int program)
{
    static const ProgramFields fields{
        {"Edit1", "Edit2", "Edit3"}, {"Edit8"}, {"RadioButton1", "RadioButton2"}};
    return program == 1 || program == 2 ? &fields : nullptr;
}
const KnownFields known = testFields;

Project sample()
{
    const Position mullion{.number = "1.01",
                           .program = 1,
                           .options = {{"RadioButton1", true}, {"RadioButton2", false}},
                           .inputs = {{"Edit1", "2,5"}, {"Edit2", "1.25"}},
                           .results = {{"Edit8", "12.34"}},
                           .date = "12.03.2024",
                           .time = "14:05",
                           .section = "50 x 100 x 3",
                           .sectionUtilisation = 87,
                           .description = {}};
    Position transom; // no options, results, date or section
    transom.number = QStringLiteral("1.02");
    transom.program = 2;
    transom.inputs = {{"Edit1", "3"}};
    return {{"Bürohaus Nord", "Musterbau", "A. Planer"}, {mullion, transom}};
}

const char *const kSampleFile = R"({
    "format": "vorbemessung-projekt",
    "version": 1,
    "header": {
        "project": "Bürohaus Nord",
        "company": "Musterbau",
        "creator": "A. Planer"
    },
    "positions": [
        {
            "number": "1.01",
            "program": 1,
            "options": {
                "RadioButton1": true,
                "RadioButton2": false
            },
            "inputs": {
                "Edit1": "2,5",
                "Edit2": "1.25"
            },
            "results": {
                "Edit8": "12.34"
            },
            "date": "12.03.2024",
            "time": "14:05",
            "section": {
                "name": "50 x 100 x 3",
                "utilisation": 87
            }
        },
        {
            "number": "1.02",
            "program": 2,
            "options": {},
            "inputs": {
                "Edit1": "3"
            },
            "results": {},
            "date": "",
            "time": ""
        }
    ]
}
)";

// The sample file with one piece of it replaced.
QByteArray edited(const char *from, const char *to)
{
    QByteArray bytes(kSampleFile);
    const qsizetype at = bytes.indexOf(from);
    Q_ASSERT(at >= 0);
    return bytes.replace(at, qsizetype(qstrlen(from)), to);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// A text one character longer than a field holds.
QByteArray overlong()
{
    return '"' + QByteArray(kMaxTextLength + 1, 'x') + '"';
}
} // namespace

Q_DECLARE_METATYPE(vb::project::LockHolder::State)

class TestProjectFile : public QObject
{
    Q_OBJECT

private slots:
    void format();
    void roundTrip();
    void accepted_data();
    void accepted();
    void refusals_data();
    void refusals();
    void loadRefusals();
    void backup();
    void storeRefusals_data();
    void storeRefusals();
    void canonicalPaths_data();
    void canonicalPaths();
    void locks_data();
    void locks();
};

void TestProjectFile::format()
{
    QCOMPARE(writeProject(sample()), QByteArray(kSampleFile));
    // A description needs format 2 and stands after the number; without one the file stays
    // format 1, which earlier versions read.
    Project described = sample();
    described.positions[1].description = QStringLiteral("EG Riegel Achse 3");
    QCOMPARE(writeProject(described),
             edited("\"version\": 1", "\"version\": 2")
                 .replace("\"number\": \"1.02\",\n", "\"number\": \"1.02\",\n            \"description\": "
                                                     "\"EG Riegel Achse 3\",\n"));
}

// Texts a planner can type (a per cent sign, quotes, a tab) and ones that only reach a field by
// pasting (a NUL, an unpaired surrogate) read back as they were, and the file does not change.
void TestProjectFile::roundTrip()
{
    Project project = sample();
    project.header.project = QStringLiteral("Nord %1 \"50 %\"\t\\ 😀");
    project.positions[1].number = QStringLiteral("%2");
    project.positions[1].description = QStringLiteral("Pfosten \"A\" – 100 %");
    project.positions[1].inputs[QStringLiteral("Edit3")] =
        QString(QChar(0)) + QChar(0xD800) + u'x' + QChar(0xDC00);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nord.vorbemessung"));
    const vb::Result<> saved = saveProject(path, project);
    QVERIFY2(saved, qPrintable(saved.reason().german));
    const QByteArray first = contents(path);
    const vb::Result<Project> read = loadProject(path, known);
    QVERIFY2(read, qPrintable(read.reason().german));
    QVERIFY(*read == project);
    QVERIFY(saveProject(path, *read));
    QCOMPARE(contents(path), first);
}

void TestProjectFile::accepted_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("program");
    QTest::newRow("a program written as 2.0 is program 2")
        << edited("\"program\": 1", "\"program\": 2.0") << 2;
    QTest::newRow("a byte-order mark before the text is allowed")
        << "\xEF\xBB\xBF" + QByteArray(kSampleFile) << 1;
    QTest::newRow("keys in another order on one line, as a person may write them")
        << QByteArray(
               R"({"version":1,"positions":[{"time":"","date":"","results":{},"inputs":{},"options":{},)"
               R"("program":1,"number":""}],"header":{"creator":"","company":"","project":""},)"
               R"("format":"vorbemessung-projekt"})")
        << 1;
    QTest::newRow("tabs between the values and an escaped slash in a text are JSON")
        << edited("\"version\": 1,", "\t\"version\":\t1,").replace("A. Planer", "A.\\/B. Planer") << 1;
    QTest::newRow("format 2 holds a position's description")
        << edited("\"version\": 1", "\"version\": 2")
               .replace("\"number\": \"1.02\",", "\"number\": \"1.02\", \"description\": \"Riegel\",")
        << 1;
    QTest::newRow("a text as long as a field holds is read")
        << edited("\"2,5\"", '"' + QByteArray(kMaxTextLength, '9') + '"') << 1;
}

void TestProjectFile::accepted()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, program);
    const vb::Result<Project> read = readProject(bytes, known);
    QVERIFY2(read, qPrintable(read.reason().german));
    QCOMPARE(read->positions.first().program, program);
}

void TestProjectFile::refusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason"); // a piece of the German reason
    QTest::addColumn<bool>("newer");
    const auto row = [](const char *name, const QByteArray &bytes, const char *reason, bool newer = false) {
        QTest::newRow(name) << bytes << QString::fromUtf8(reason) << newer;
    };
    row("a file larger than 64 MB is refused", QByteArray(kMaxProjectBytes + 1, ' '), "64 MB");
    row("a byte that is not UTF-8 is refused with its line", edited("Musterbau", "M\xFCsterbau"), "Zeile 6");
    row("a character cut off at the end of the file is not UTF-8", kSampleFile + QByteArray("\xE2\x82"),
        "kein UTF-8");
    row("an empty file says so", "\n", "leer");
    row("a JSON error says where", edited("\"version\": 1,", "\"version\": ,"), "(Zeile 3, Spalte ");
    row("a tab typed into a text, not written as \\t, is refused with its place",
        edited("A. Planer", "A.\tPlaner"), "ein Text enthält ein Steuerzeichen (Zeile 7, Spalte 23)");
    row("a line break inside a text is refused at the line it stands on", edited("1.02", "1.\n02"),
        "Steuerzeichen (Zeile 32, Spalte 26)");
    row("an escape JSON does not know is refused, not read as its letter", edited("1.25", "1\\.25"),
        "eine Escape-Sequenz ist ungültig (Zeile 19, Spalte 28)");
    row("a key with an escape JSON does not know is refused too", edited("\"Edit8\"", "\"Edit\\8\""),
        "Escape-Sequenz ist ungültig (Zeile 22,");
    row("a JSON list is not a project", "[]", "keine Projektdatei");
    row("another format name is not a project", edited("vorbemessung-projekt", "tabelle"),
        "keine Projektdatei");
    row("a key twice in one object is named with its line",
        edited("\"Edit2\": \"1.25\"", "\"Edit\\u0031\": \"1\""),
        "Zeile 19: der Schlüssel „Edit1“ steht zweimal");
    row("a version that is not whole is refused", edited("\"version\": 1", "\"version\": 1.5"),
        "Versionsnummer");
    row("a newer version is refused as such, whatever else it holds",
        edited("\"version\": 1", "\"version\": 3, \"stories\": []"), "neueren Version", true);
    row("a description in a file of format 1 is not read as one",
        edited("\"number\": \"1.02\",", "\"number\": \"1.02\", \"description\": \"Riegel\","),
        "unbekannter Schlüssel „description“");
    row("a description must be a text",
        edited("\"version\": 1", "\"version\": 2")
            .replace("\"number\": \"1.02\",", "\"number\": \"1.02\", \"description\": 7,"),
        "„description“ ist kein Text");
    row("an unknown key at the top level is named", edited("\"version\": 1", "\"version\": 1, \"x\": 0"),
        "Unbekannter Schlüssel „x“");
    row("a header value must be a text", edited("\"Musterbau\"", "null"),
        "Projektkopf: „company“ ist kein Text");
    row("positions must be a list",
        R"({"format": "vorbemessung-projekt", "version": 1, "positions": {},
            "header": {"project": "", "company": "", "creator": ""}})",
        "„positions“ ist keine Liste");
    row("a position that is not an object is named by its place", edited("},\n        {", "}, 7, {"),
        "Position 2: kein Objekt");
    row("a program of 2.5 names the position and its number", edited("\"program\": 1", "\"program\": 2.5"),
        "Position 1 (Nr. „1.01“): „program“ ist keine ganze Zahl von 1 bis 6");
    row("a program the forms do not know", edited("\"program\": 2", "\"program\": 3"),
        "Position 2 (Nr. „1.02“): Programm 3 ist nicht bekannt");
    row("an input field the program's form does not have", edited("\"Edit2\"", "\"Edit99\""),
        "„Edit99“ in „inputs“ ist kein Eingabefeld von Programm 1");
    row("a result field the program's form does not have", edited("\"Edit8\"", "\"Edit1\""),
        "„Edit1“ in „results“ ist kein Ergebnisfeld");
    row("an option that is not true or false", edited("\"RadioButton2\": false", "\"RadioButton2\": 0"),
        "„RadioButton2“ in „options“ ist weder true noch false");
    row("a result that is a number, not a text", edited("\"12.34\"", "12.34"),
        "„Edit8“ in „results“ ist kein Text");
    row("an unknown key in a position is named", edited("\"date\": \"\"", "\"date\": \"\", \"note\": \"\""),
        "Position 2 (Nr. „1.02“): unbekannter Schlüssel „note“");
    row("a missing date", edited("\"date\": \"\",", ""), "„date“ fehlt");
    row("a utilisation over 1000 %", edited("87", "1001"), "„utilisation“ in „section“ ist keine ganze Zahl");
    row("a section without a name", edited("\"50 x 100 x 3\"", "\"\""), "„name“ in „section“ ist leer");
    row("a header text longer than a field holds is named", edited("\"Musterbau\"", overlong()),
        "Projektkopf: „company“ ist länger als 32767 Zeichen");
    row("an input longer than a field holds is named", edited("\"1.25\"", overlong()),
        "Position 1 (Nr. „1.01“): „Edit2“ in „inputs“ ist länger als 32767 Zeichen");
    row("a section name longer than a field holds is named", edited("\"50 x 100 x 3\"", overlong()),
        "„name“ in „section“ ist länger als 32767 Zeichen");
}

void TestProjectFile::refusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QFETCH(bool, newer);
    const vb::Result<Project> read = readProject(bytes, known);
    QVERIFY(!read);
    QVERIFY2(read.reason().german.contains(reason), qPrintable(read.reason().german));
    QVERIFY(!read.reason().english.isEmpty() && read.reason().english != read.reason().german);
    QCOMPARE(read.kind() == vb::FailureKind::NewerVersion, newer);
}

// A file is measured before it is read, so a huge one costs nothing; what cannot be opened says
// why.
void TestProjectFile::loadRefusals()
{
    const QTemporaryDir dir;
    const QString huge = dir.filePath(QStringLiteral("huge.vorbemessung"));
    QFile file(huge);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kMaxProjectBytes + 1));
    file.close();
    QVERIFY(loadProject(huge, known).reason().german.contains(QStringLiteral("64 MB")));
    QVERIFY(
        loadProject(dir.path(), known).reason().german.contains(QStringLiteral("keine gewöhnliche Datei")));
    const vb::Result<Project> missing = loadProject(dir.filePath(QStringLiteral("none.vorbemessung")), known);
    QVERIFY(!missing && missing.reason().german.contains(QStringLiteral("existiert nicht")));
}

// The backup holds the state before the last change, and nothing else is left in the folder.
void TestProjectFile::backup()
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nord.vorbemessung"));
    Project project = sample();
    QVERIFY(saveProject(path, project));
    const QByteArray before = contents(path);
    project.positions[0].inputs[QStringLiteral("Edit1")] = QStringLiteral("3,0");
    QVERIFY(saveProject(path, project));
    QVERIFY(saveProject(path, project)); // unchanged: the backup keeps the state before
    QCOMPARE(contents(path), writeProject(project));
    QCOMPARE(contents(path + QStringLiteral(".bak")), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("nord.vorbemessung"), QStringLiteral("nord.vorbemessung.bak")}));
    const vb::Result<> noFolder =
        saveProject(dir.filePath(QStringLiteral("no/such/folder.vorbemessung")), sample());
    QVERIFY(!noFolder && noFolder.reason().english.contains(QStringLiteral("folder.vorbemessung")));
}

// What the reader would refuse is not written: the file and its backup stay as they were.
void TestProjectFile::storeRefusals_data()
{
    QTest::addColumn<Project>("project");
    QTest::addColumn<QString>("reason"); // a piece of the English reason
    const QString overlong(kMaxTextLength + 1, u'x');
    Project project = sample();
    project.positions[1].program = 7;
    QTest::newRow("a program there is not") << project
                                            << "position 2 (number \"1.02\") cannot be stored: "
                                               "there is no program 7";
    project = sample();
    project.header.creator = overlong;
    QTest::newRow("a header text longer than a field holds")
        << project << "header cannot be stored: \"creator\" is longer than 32767 characters";
    project = sample();
    project.positions[0].results[QStringLiteral("Edit8")] = overlong;
    QTest::newRow("a result longer than a field holds") << project << "\"Edit8\" is longer than 32767";
    // Texts as long as a field holds, shared by every position, so that the test keeps little
    // in memory: 700 positions of three such inputs write about 69 MB.
    project = sample();
    const QString full(kMaxTextLength, u'9');
    Position large = project.positions[1];
    large.inputs = {{"Edit1", full}, {"Edit2", full}, {"Edit3", full}};
    for (int k = 0; k < 700; ++k)
        project.positions.append(large);
    QTest::newRow("a change that makes the file larger than 64 MB")
        << project << "file would be larger than 64 MB and is not saved";
}

void TestProjectFile::storeRefusals()
{
    QFETCH(Project, project);
    QFETCH(QString, reason);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nord.vorbemessung"));
    QVERIFY(saveProject(path, sample()));
    Project changed = sample();
    changed.header.project = QStringLiteral("Süd");
    QVERIFY(saveProject(path, changed));
    const QByteArray stored = contents(path);
    const QByteArray backup = contents(path + QStringLiteral(".bak"));
    const vb::Result<> saved = saveProject(path, project);
    QVERIFY(!saved);
    const vb::Text &refused = saved.reason();
    QVERIFY2(refused.english.contains(reason), qPrintable(refused.english));
    QVERIFY(refused.english.startsWith(QDir::toNativeSeparators(path)));
    QVERIFY(!refused.german.isEmpty() && refused.german != refused.english);
    QCOMPARE(contents(path), stored);
    QCOMPARE(contents(path + QStringLiteral(".bak")), backup);
}

void TestProjectFile::canonicalPaths_data()
{
    QTest::addColumn<QString>("made");     // what the folder holds: "file", "link" or "folder link"
    QTest::addColumn<QString>("given");    // the name a project is opened or made under
    QTest::addColumn<QString>("expected"); // its one name
    QTest::newRow("a link names the file it leads to") << "link"
                                                       << "link.vorbemessung"
                                                       << "real/nord.vorbemessung";
    QTest::newRow("a file not made yet in a linked folder is named in the real folder")
        << "folder link"
        << "linked/neu.vorbemessung"
        << "real/neu.vorbemessung";
    QTest::newRow("a link that leads nowhere yet names the file it will make") << "dangling link"
                                                                               << "link.vorbemessung"
                                                                               << "real/neu.vorbemessung";
    QTest::newRow("a name with . and .. is the file") << "file"
                                                      << "real/../real/./nord.vorbemessung"
                                                      << "real/nord.vorbemessung";
}

void TestProjectFile::canonicalPaths()
{
    QFETCH(QString, made);
    QFETCH(QString, given);
    QFETCH(QString, expected);
    const QTemporaryDir dir;
    const QString root = QFileInfo(dir.path()).canonicalFilePath();
    QVERIFY(QDir(root).mkdir(QStringLiteral("real")));
    const QString real = root + QStringLiteral("/real/nord.vorbemessung");
    QVERIFY(saveProject(real, sample()));
    if (made == QLatin1String("link"))
        QVERIFY(QFile::link(real, root + QStringLiteral("/link.vorbemessung")));
    else if (made == QLatin1String("dangling link"))
        QVERIFY(QFile::link(root + QStringLiteral("/real/neu.vorbemessung"),
                            root + QStringLiteral("/link.vorbemessung")));
    else if (made == QLatin1String("folder link"))
        QVERIFY(QFile::link(root + QStringLiteral("/real"), root + QStringLiteral("/linked")));
    QCOMPARE(canonicalProjectPath(root + u'/' + given), root + u'/' + expected);
}

void TestProjectFile::locks_data()
{
    using State = LockHolder::State;
    QTest::addColumn<QByteArray>("lockFile"); // empty: a ProjectLock of this program holds it
    QTest::addColumn<bool>("keptLocked");     // the lock file locked by another open file
    QTest::addColumn<bool>("taken");
    QTest::addColumn<State>("state");
    QTest::addColumn<qint64>("pid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("takenOver");
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const qint64 self = QCoreApplication::applicationPid();
    QTest::newRow(
        "a second lock fails while the first holds the project, an hour on, and cannot take it over")
        << QByteArray() << false << false << State::Running << self << QSysInfo::machineHostName() << false;
    QTest::newRow(
        "a lock left by a crashed copy on this computer is named as ended and taken over when asked")
        << "2147483646\nvorbemessung\n" + host + "\n"
        << false << false << State::Ended << qint64(2147483646) << QSysInfo::machineHostName() << true;
    QTest::newRow("a lock of an ended copy that cannot be removed is named as ended and stays")
        << "2147483646\nvorbemessung\n" + host + "\n"
        << true << false << State::Ended << qint64(2147483646) << QSysInfo::machineHostName() << false;
    QTest::newRow("a lock from another computer is never taken over for its age, only when asked to")
        << QByteArray("4242\nvorbemessung\nanderer-rechner\n") << false << false << State::OtherComputer
        << qint64(4242) << "anderer-rechner" << true;
    QTest::newRow("a lock file without a process number is damaged, and can be taken over")
        << QByteArray("kaputt\n") << false << false << State::Damaged << qint64(0) << QString() << true;
    QTest::newRow("an empty lock file is damaged")
        << QByteArray(" ") << false << false << State::Damaged << qint64(0) << QString() << true;
}

void TestProjectFile::locks()
{
    QFETCH(QByteArray, lockFile);
    QFETCH(bool, keptLocked);
    QFETCH(bool, taken);
    QFETCH(LockHolder::State, state);
    QFETCH(qint64, pid);
    QFETCH(QString, host);
    QFETCH(bool, takenOver);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nord.vorbemessung"));
    const QString lockPath = path + QStringLiteral(".lock");
    ProjectLock first(path);
    if (lockFile.isEmpty()) {
        QVERIFY(first.tryLock());
    } else {
        QFile file(lockPath);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(lockFile) == lockFile.size());
    }
    QFile file(lockPath);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QDateTime written = QDateTime::currentDateTime().addSecs(-3600);
    QVERIFY(file.setFileTime(written, QFileDevice::FileModificationTime));
    if (keptLocked)
        QCOMPARE(::flock(file.handle(), LOCK_EX | LOCK_NB), 0);
    else
        file.close();
    ProjectLock second(path);
    QCOMPARE(second.tryLock(), taken);
    if (taken)
        return;
    QCOMPARE(second.holder().state, state);
    QCOMPARE(second.holder().pid, pid);
    QCOMPARE(second.holder().host, host);
    QCOMPARE(second.holder().modified.toSecsSinceEpoch(), written.toSecsSinceEpoch());
    QCOMPARE(second.takeOver(), takenOver);
    QCOMPARE(QFile::exists(lockPath), true);
}

QTEST_APPLESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
