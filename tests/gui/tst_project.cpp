// Projects on the real forms: positions of all six programs stored, the program closed, the
// project opened again and every position reopened with its results and its section; what is
// asked before a number is stored twice; inputs changed after the calculation; a result that
// differs from the stored one; a project a second copy holds, also under another name; a lock
// left behind; a file of two names; a folder without a lock; a full disk; a file that is not a
// project; the whole project as one booklet.
#include "formdriver.h"
#include "guifixture.h"
#include "pdfwords.h"

#include "app/stat1024.h"
#include "core/projectfile.h"
#include "forms/programform.h"
#include "forms/programlist.h"
#include "forms/projectsession.h"
#include "forms/tformprofil.h"
#include "forms/tformprojekt.h"

#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableView>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
using namespace formtest;

vb::ProgramForm *programForm(int program)
{
    return vb::shell::forms().program(program);
}

QStringList resultTexts(vb::ProgramForm *form)
{
    QStringList out;
    for (const vb::ResultField &result : form->tables().resultFields)
        out << text(form, QString::fromLatin1(result.field));
    return out;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// A small file system of its own (tmpfs) mounted at `folder` for one test, where this run may
// mount one; unmounted when it goes.
class ScratchDisk
{
public:
    ScratchDisk(const QString &folder, const QString &options) : m_folder(folder)
    {
        m_mounted = QProcess::execute(QStringLiteral("mount"),
                                      {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                       options, QStringLiteral("tmpfs"), folder}) == 0;
    }
    ~ScratchDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_folder});
    }
    ScratchDisk(const ScratchDisk &) = delete;
    ScratchDisk &operator=(const ScratchDisk &) = delete;
    bool mounted() const { return m_mounted; }
    bool remount(const QString &options)
    {
        return QProcess::execute(QStringLiteral("mount"),
                                 {QStringLiteral("-o"), QStringLiteral("remount,") + options, m_folder}) == 0;
    }

private:
    QString m_folder;
    bool m_mounted = false;
};

} // namespace

class TestProject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The list of projects opened last goes to settings of the test's own.
        qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_data.filePath(QStringLiteral("config")).toUtf8());
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_app = std::make_unique<GuiFixture>();
        vb::shell::sectionWindow()->setCatalogueFolder(m_dir->filePath(QStringLiteral("kataloge")));
    }
    void cleanup()
    {
        m_app.reset();
        m_dir.reset();
    }
    void newProjectIsNamedAfterTheMenusProject();
    void positionsOfAllProgramsReopenWithTheirResults();
    void numberTakenIsSaidInTheDialog_data();
    void numberTakenIsSaidInTheDialog();
    void inputsChangedAfterTheCalculationAreNotStored();
    void changedResultIsNamedWithBothValues();
    void newProjectInTheOpenProjectsFileReplacesIt();
    void projectHeldByAnotherCopyOpensReadOnly();
    void linkToAHeldProjectOpensReadOnly();
    void lockLeftBehindAsksFirst_data();
    void lockLeftBehindAsksFirst();
    void fileOfTwoNamesOpensReadOnly();
    void folderWithoutALockOpensReadOnly();
    void writeProtectedFileOpensReadOnly();
    void fullDiskIsNamedAndChangesNothing();
    void sectionNameIsShownAsNamed();
    void fileThatIsNoProjectChangesNothing();
    void wholeProjectIsOneNumberedBooklet();
    void recentListOfAnEarlierVersionIsKept();
    void sortedListOpensTheRowClicked();
    void buildingIsCopiedRenumberedAndDescribed();
    void sectionScheduleInBothStyles();
    void unstoredCalculationIsAskedAbout_data();
    void unstoredCalculationIsAskedAbout();
    void savingWithoutAProjectMakesOne();

private:
    QString projectPath() const { return m_dir->filePath(QStringLiteral("Bürohaus Nord.vorbemessung")); }
    // A new project with one calculated position of `program` stored under `number`.
    void storePosition(int program, const QString &number, const std::function<void(QWidget *)> &before = {});
    // Opens row `row` of the project window as the planner does and runs `inside` in its form.
    void reopen(int row, const std::function<void(vb::ProgramForm *)> &inside);

    QTemporaryDir m_data;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<GuiFixture> m_app;
};

void TestProject::storePosition(int program, const QString &number,
                                const std::function<void(QWidget *)> &before)
{
    m_app->withProgramOpen(program, [&](QWidget *form) {
        typeAll(form, kCalculatingInputs[program - 1]);
        click(form, "Button1");
        GuiFixture::type(
            form, vb::shell::forms().program(program)->positionField()->objectName().toLatin1().constData(),
            number);
        if (before)
            before(form);
        auto *save = form->findChild<QPushButton *>(QStringLiteral("ButtonSpeichern"));
        QVERIFY(save && save->isEnabled());
        click(form, "ButtonSpeichern");
    });
}

void TestProject::reopen(int row, const std::function<void(vb::ProgramForm *)> &inside)
{
    auto *menu = static_cast<vb::TForm22 *>(m_app->menu());
    if (!vb::shell::forms().project)
        vb::shell::forms().project = new vb::TFormProjekt(menu);
    QWidget *window = vb::shell::forms().project;
    whenShown(window, [&] {
        window->findChild<QTableView *>(QStringLiteral("ListPositionen"))->selectRow(row);
        click(window, "ButtonPositionOeffnen");
    });
    const int program = vb::projectSession().project().positions.at(row).program;
    vb::ProgramForm *form = programForm(program);
    whenShown(form, [&] {
        // The reopened position is calculated as soon as its form is on screen.
        QTest::qWait(50);
        inside(form);
        form->close();
    });
    menu->ButtonProjektClick();
}

// The projects opened last were a file of their own before they went into the settings: that
// list is taken over once, and the settings keep it from then on.
void TestProject::recentListOfAnEarlierVersionIsKept()
{
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    const QString old = home.filePath(QStringLiteral("data/vorbemessung/projekte-zuletzt.txt"));
    QVERIFY(QDir().mkpath(QFileInfo(old).absolutePath()));
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("/bau/Nord.vorbemessung\nkein Pfad\n/bau/Süd, Haus 2.vorbemessung\n");
    file.close();
    const QStringList expected{QStringLiteral("/bau/Nord.vorbemessung"),
                               QStringLiteral("/bau/Süd, Haus 2.vorbemessung")};
    QCOMPARE(vb::ProjectSession::recentProjects(), expected);
    QVERIFY(QFile::remove(old));
    QCOMPARE(vb::ProjectSession::recentProjects(), expected);
    qputenv("XDG_DATA_HOME", data);
    qputenv("XDG_CONFIG_HOME", config);
}

// A click on a column's header sorts the list, numbers in a position's number by their value;
// the row the planner then opens is the position that row shows, not the one stored at its
// place in the file.
void TestProject::sortedListOpensTheRowClicked()
{
    QVERIFY(vb::projectSession().create(projectPath(), {}));
    storePosition(2, QStringLiteral("Pos 1.10"));
    storePosition(1, QStringLiteral("pos 1.2"));
    auto *menu = static_cast<vb::TForm22 *>(m_app->menu());
    if (!vb::shell::forms().project)
        vb::shell::forms().project = new vb::TFormProjekt(menu);
    QWidget *window = vb::shell::forms().project;
    QStringList shown, descending;
    whenShown(window, [&] {
        // In the natural order of the numbers from the start; a click on the header turns it.
        auto *view = window->findChild<QTableView *>(QStringLiteral("ListPositionen"));
        for (int row = 0; row < view->model()->rowCount(); ++row)
            shown << view->model()->index(row, 0).data().toString();
        QTest::mouseClick(view->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(view->horizontalHeader()->sectionViewportPosition(0) + 5, 5));
        for (int row = 0; row < view->model()->rowCount(); ++row)
            descending << view->model()->index(row, 0).data().toString();
        view->selectRow(1);
        click(window, "ButtonPositionOeffnen");
    });
    vb::ProgramForm *form = programForm(1);
    QString number;
    whenShown(form, [&] {
        number = form->positionField()->text();
        form->close();
    });
    menu->ButtonProjektClick();
    QCOMPARE(shown, (QStringList{QStringLiteral("pos 1.2"), QStringLiteral("Pos 1.10")}));
    QCOMPARE(descending, (QStringList{QStringLiteral("Pos 1.10"), QStringLiteral("pos 1.2")}));
    QCOMPARE(number, QStringLiteral("pos 1.2"));
}

void TestProject::newProjectIsNamedAfterTheMenusProject()
{
    GuiFixture::field(m_app->menu(), "Edit1")->setText(QStringLiteral("Bürohaus: Nord"));
    QString proposed;
    vb::shell::setSaveDialogHook([&](const QString &, const QString &name) {
        proposed = name;
        return projectPath();
    });
    vb::TFormProjekt window;
    window.ButtonNeuClick();
    QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("Bürohaus_ Nord.vorbemessung"));
    // The file is there from the first moment, with the menu's header.
    const vb::Result<vb::project::Project> file = vb::project::loadProject(projectPath(), vb::knownFields());
    QVERIFY(file);
    QCOMPARE(file->header.project, QStringLiteral("Bürohaus: Nord"));
}

void TestProject::positionsOfAllProgramsReopenWithTheirResults()
{
    QVERIFY(vb::projectSession().create(projectPath(), {"Bürohaus Nord", "Musterbau", "A. Planer"}));
    QList<QStringList> results;
    QString section;
    for (int program = 1; program <= 6; ++program) {
        storePosition(program, QString::number(program), [&](QWidget *form) {
            results << resultTexts(programForm(program));
            if (program == 1) {
                whenShown(vb::shell::sectionWindow(),
                          [&] { click(vb::shell::sectionWindow(), "ButtonUebernehmen"); });
                click(form, "ButtonProfil");
                section = programForm(1)->sectionChoice()->name;
            }
        });
    }
    QVERIFY2(m_app->messages.isEmpty(), qPrintable(m_app->messages.value(0).text));
    QStringList numbers;
    for (const vb::project::Position &p : vb::projectSession().project().positions)
        numbers << p.number;
    QCOMPARE(numbers.join(QLatin1Char(' ')), QStringLiteral("1 2 3 4 5 6"));

    // The program ends; the project is opened again in a new run.
    m_app.reset();
    m_app = std::make_unique<GuiFixture>();
    vb::shell::sectionWindow()->setCatalogueFolder(m_dir->filePath(QStringLiteral("kataloge")));
    QVERIFY(vb::projectSession().open(projectPath()));
    QCOMPARE(GuiFixture::textOf(m_app->menu(), "Edit1"), QStringLiteral("Bürohaus Nord"));
    QCOMPARE(GuiFixture::textOf(m_app->menu(), "Edit6"), QStringLiteral("A. Planer"));
    int reopened = 0;
    for (int row = 0; row < 6; ++row) {
        reopen(row, [&](vb::ProgramForm *form) {
            ++reopened;
            QCOMPARE(form->positionField()->text(), QString::number(row + 1));
            QCOMPARE(resultTexts(form), results[row]);
            if (row == 0) {
                QVERIFY(form->sectionChoice());
                QCOMPARE(form->sectionChoice()->name, section);
                QVERIFY(form->findChild<QLabel *>(QStringLiteral("LabelProfil"))->isVisible());
            }
        });
    }
    QCOMPARE(reopened, 6);
    QVERIFY2(m_app->messages.isEmpty(), qPrintable(m_app->messages.value(0).text));
    QCOMPARE(GuiFixture::textOf(m_app->menu(), "Edit2"), QStringLiteral("6"));
}

void TestProject::numberTakenIsSaidInTheDialog_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("typed"); // the number typed in the dialog; empty: as proposed
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("firstWind"); // Edit14 of the first position afterwards
    QTest::newRow("replace") << "7" << QString() << true << QStringList{"7"} << "2";
    QTest::newRow("another number keeps both") << "7"
                                               << "7-2" << true << QStringList{"7", "7-2"} << "1";
    QTest::newRow("cancel") << "7" << QString() << false << QStringList{"7"} << "1";
    QTest::newRow("a number that holds a per cent sign and a digit")
        << "7%2" << QString() << true << QStringList{"7%2"} << "2";
}

// The dialog says that the number is stored already and that "OK" replaces it, and offers the
// stored description; no second question follows.
void TestProject::numberTakenIsSaidInTheDialog()
{
    QFETCH(QString, number);
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(QStringList, numbers);
    QFETCH(QString, firstWind);
    QVERIFY(vb::projectSession().create(projectPath(), {}));
    vb::shell::setDialogHook([](QDialog &dialog) {
        GuiFixture::type(&dialog, "EditBezeichnung", QStringLiteral("EG Pfosten Achse A-F"));
        return pressOk(dialog);
    });
    storePosition(1, number);
    // The only question is the one on closing the form over a calculation not stored.
    QList<vb::Question> asked;
    vb::shell::setQuestionHook([&](const vb::Question &q) {
        asked << q;
        return 1;
    });
    QString hint, okText, offered;
    vb::shell::setDialogHook([&](QDialog &dialog) {
        hint = GuiFixture::textOf(&dialog, "LabelVorhanden");
        okText = dialog.findChild<QPushButton *>(QStringLiteral("ButtonOK"))->text();
        offered = GuiFixture::textOf(&dialog, "EditBezeichnung");
        if (!typed.isEmpty())
            GuiFixture::type(&dialog, "EditNummer", typed);
        return ok ? pressOk(dialog) : int(QDialog::Rejected);
    });
    storePosition(1, number, [](QWidget *form) {
        typeAll(form, {{"Edit14", "2"}});
        click(form, "Button1");
    });
    QCOMPARE(asked.size(), ok ? 0 : 1);
    if (!ok)
        QCOMPARE(asked[0].answers, (QStringList{"Speichern", "Verwerfen", "Abbrechen"}));
    QCOMPARE(hint, QStringLiteral("Die Position %1 ist im Projekt schon gespeichert; „Ersetzen“ ersetzt sie.")
                       .arg(number));
    QCOMPARE(okText, QStringLiteral("Ersetzen"));
    QCOMPARE(offered, QStringLiteral("EG Pfosten Achse A-F"));
    QStringList stored;
    const vb::Result<vb::project::Project> file = vb::project::loadProject(projectPath(), vb::knownFields());
    QVERIFY(file);
    for (const vb::project::Position &p : file->positions)
        stored << p.number;
    QCOMPARE(stored, numbers);
    QCOMPARE(file->positions[0].inputs.value(QStringLiteral("Edit14")), firstWind);
    QCOMPARE(file->positions[0].description, QStringLiteral("EG Pfosten Achse A-F"));
}

void TestProject::inputsChangedAfterTheCalculationAreNotStored()
{
    QVERIFY(vb::projectSession().create(projectPath(), {}));
    m_app->withProgramOpen(2, [&](QWidget *form) {
        auto *save = form->findChild<QPushButton *>(QStringLiteral("ButtonSpeichern"));
        QVERIFY(!save->isEnabled()); // nothing calculated yet
        typeAll(form, kCalculatingInputs[1]);
        click(form, "Button1");
        QVERIFY(save->isEnabled());
        typeAll(form, {{"Edit1", "4"}});
        click(form, "ButtonSpeichern");
    });
    QCOMPARE(m_app->messages.size(), 1);
    QVERIFY(m_app->messages[0].text.contains(QStringLiteral("nach der letzten Berechnung geändert")));
    QVERIFY(vb::projectSession().project().positions.isEmpty());
}

void TestProject::changedResultIsNamedWithBothValues()
{
    QVERIFY(vb::projectSession().create(projectPath(), {}));
    storePosition(1, QStringLiteral("3"));
    // The file says the arithmetic once gave another second moment of area.
    vb::project::Project tampered = vb::projectSession().project();
    const QString computed = tampered.positions[0].results.value(QStringLiteral("Edit8"));
    tampered.positions[0].results[QStringLiteral("Edit8")] = QStringLiteral("1.0");
    QVERIFY(vb::project::saveProject(projectPath(), tampered));
    QVERIFY(vb::projectSession().open(projectPath()));
    reopen(0, [](vb::ProgramForm *) {});
    QCOMPARE(m_app->messages.size(), 1);
    const QString message = m_app->messages[0].text;
    QVERIFY2(message.contains(
                 QStringLiteral("erf. Trägheitsmoment (Edit8): gespeichert 1.0, jetzt %1").arg(computed)),
             qPrintable(message));
}

// Neu… on the open project's own file, as the save dialog allowed: this run holds the file and
// makes the new project there, instead of taking itself for another program.
void TestProject::newProjectInTheOpenProjectsFileReplacesIt()
{
    QVERIFY(vb::projectSession().create(projectPath(), {"Nord", "", ""}));
    storePosition(1, QStringLiteral("1"));
    QVERIFY(vb::projectSession().create(projectPath(), {"Süd", "", ""}));
    QVERIFY2(m_app->messages.isEmpty(), qPrintable(m_app->messages.value(0).text));
    QVERIFY(vb::projectSession().canWrite());
    const vb::Result<vb::project::Project> file = vb::project::loadProject(projectPath(), vb::knownFields());
    QVERIFY(file);
    QCOMPARE(file->header.project, QStringLiteral("Süd"));
    QVERIFY(file->positions.isEmpty());
}

void TestProject::projectHeldByAnotherCopyOpensReadOnly()
{
    QVERIFY(vb::projectSession().create(projectPath(), {"Nord", "", ""}));
    vb::projectSession().close();
    const QByteArray before = [&] {
        QFile f(projectPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    // A second running copy holds the project.
    vb::project::ProjectLock held(projectPath());
    QVERIFY(held.tryLock());
    QVERIFY(vb::projectSession().open(projectPath()));
    QVERIFY(vb::projectSession().readOnly());
    QCOMPARE(m_app->messages.size(), 1);
    QVERIFY(m_app->messages[0].text.contains(QStringLiteral("schreibgeschützt")));
    m_app->withProgramOpen(1, [&](QWidget *form) {
        typeAll(form, kCalculatingInputs[0]);
        click(form, "Button1");
        QVERIFY(!form->findChild<QPushButton *>(QStringLiteral("ButtonSpeichern"))->isEnabled());
    });
    vb::projectSession().setHeader({"Süd", "", ""});
    QFile f(projectPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void TestProject::linkToAHeldProjectOpensReadOnly()
{
    QVERIFY(vb::projectSession().create(projectPath(), {"Nord", "", ""}));
    vb::projectSession().close();
    const QString real = QFileInfo(projectPath()).canonicalFilePath();
    const QString link = m_dir->filePath(QStringLiteral("Verknüpfung.vorbemessung"));
    QVERIFY(QFile::link(projectPath(), link));
    // A second running copy holds the project under its own name.
    vb::project::ProjectLock held(real);
    QVERIFY(held.tryLock());
    QVERIFY(vb::projectSession().open(link));
    QVERIFY(vb::projectSession().readOnly());
    QCOMPARE(vb::projectSession().path(), real);
    QCOMPARE(m_app->messages.size(), 1);
    QVERIFY(m_app->messages[0].text.contains(QStringLiteral("in einem anderen laufenden Programm")));
    QVERIFY(!QFile::exists(link + QStringLiteral(".lock")));
}

void TestProject::lockLeftBehindAsksFirst_data()
{
    QTest::addColumn<QByteArray>("lockFile");
    QTest::addColumn<bool>("fresh"); // made with Neu…, not opened
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("asked"); // a piece of the question
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("readOnly");
    const QByteArray damaged("kaputt\n");
    const QByteArray otherComputer("4242\nvorbemessung\nanderer-rechner\n");
    QTest::newRow("a damaged lock, opened read-only as the planner chose")
        << damaged << false << 0 << "Die Sperrdatei ist beschädigt" << true << true;
    QTest::newRow("a damaged lock, taken over: the project is written")
        << damaged << false << 1 << "Sperrdatei geschrieben: " << true << false;
    QTest::newRow("a damaged lock, cancelled: no project is opened")
        << damaged << false << 2 << "" << false << false;
    QTest::newRow("a lock of a copy on this computer that ended says so and is taken over")
        << "2147483646\nvorbemessung\n" + QSysInfo::machineHostName().toUtf8() + "\n"
        << false << 1 << "nicht mehr läuft" << true << false;
    QTest::newRow("a lock from another computer names it, its process and its program")
        << otherComputer << false << 1
        << "Rechner: anderer-rechner\nProzessnummer: 4242\nProgramm: vorbemessung\nSperrdatei geschrieben: "
        << true << false;
    QTest::newRow("a lock from another computer says that it cannot be checked from here")
        << otherComputer << false << 0 << "Die Sperre stammt von einem anderen Rechner" << true << true;
    QTest::newRow("a new project over a lock from another computer, taken over, is made")
        << otherComputer << true << 0 << "anderen Rechner" << true << false;
    QTest::newRow("a new project over a damaged lock, cancelled, is not made")
        << damaged << true << 1 << "beschädigt" << false << false;
}

void TestProject::lockLeftBehindAsksFirst()
{
    QFETCH(QByteArray, lockFile);
    QFETCH(bool, fresh);
    QFETCH(int, answer);
    QFETCH(QString, asked);
    QFETCH(bool, opened);
    QFETCH(bool, readOnly);
    const QString path = projectPath();
    const QString lockPath = path + QStringLiteral(".lock");
    if (!fresh) {
        QVERIFY(vb::projectSession().create(path, {"Nord", "", ""}));
        vb::projectSession().close();
    }
    QFile lock(lockPath);
    QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write(lockFile) == lockFile.size());
    lock.close();
    QList<vb::Question> questions;
    vb::shell::setQuestionHook([&](const vb::Question &q) {
        questions << q;
        return answer;
    });
    const bool done =
        fresh ? vb::projectSession().create(path, {"Nord", "", ""}) : vb::projectSession().open(path);
    QCOMPARE(done, opened);
    QCOMPARE(questions.size(), 1);
    QVERIFY2(questions[0].text.contains(asked), qPrintable(questions[0].text));
    QVERIFY(questions[0].text.contains(QStringLiteral("ist gesperrt")));
    QCOMPARE(questions[0].answers, fresh
                                       ? QStringList({"Übernehmen", "Abbrechen"})
                                       : QStringList({"Schreibgeschützt öffnen", "Übernehmen", "Abbrechen"}));
    QVERIFY2(m_app->messages.isEmpty(), qPrintable(m_app->messages.value(0).text));
    QCOMPARE(vb::projectSession().isOpen(), opened);
    if (!opened) {
        QCOMPARE(QFile::exists(path), !fresh);
        QCOMPARE(contents(lockPath), lockFile);
        return;
    }
    QCOMPARE(vb::projectSession().readOnly(), readOnly);
    vb::projectSession().setHeader({"Süd", "", ""});
    const vb::Result<vb::project::Project> file = vb::project::loadProject(path, vb::knownFields());
    QVERIFY(file);
    QCOMPARE(file->header.project, readOnly ? QStringLiteral("Nord") : QStringLiteral("Süd"));
    if (readOnly)
        QCOMPARE(contents(lockPath), lockFile);
    else
        QVERIFY(contents(lockPath).startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
}

void TestProject::fileOfTwoNamesOpensReadOnly()
{
    QVERIFY(vb::projectSession().create(projectPath(), {"Nord", "", ""}));
    vb::projectSession().close();
    const QString other = m_dir->filePath(QStringLiteral("Zweitname.vorbemessung"));
    QCOMPARE(::link(QFile::encodeName(projectPath()).constData(), QFile::encodeName(other).constData()), 0);
    QVERIFY(vb::projectSession().open(projectPath()));
    QVERIFY(vb::projectSession().readOnly());
    QCOMPARE(m_app->messages.size(), 1);
    QVERIFY2(m_app->messages[0].text.contains(QStringLiteral("hat 2 Namen (harte Verknüpfungen)")),
             qPrintable(m_app->messages[0].text));
    QVERIFY(!QFile::exists(projectPath() + QStringLiteral(".lock")));
}

// A folder where no file can be made: made unwritable where permissions hold, else (for root) a
// read-only file system of its own, where this run may mount one.
void TestProject::folderWithoutALockOpensReadOnly()
{
    const QString folder = m_dir->filePath(QStringLiteral("schreibgeschützt"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Nord.vorbemessung");
    std::unique_ptr<ScratchDisk> disk;
    if (::geteuid() == 0) {
        disk = std::make_unique<ScratchDisk>(folder, QStringLiteral("size=1m"));
        if (!disk->mounted())
            QSKIP("a read-only folder needs a mount here, and mounting is not permitted");
    }
    QVERIFY(vb::project::saveProject(path, {{"Nord", "", ""}, {}}));
    if (disk)
        QVERIFY(disk->remount(QStringLiteral("ro")));
    else
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard(
        [&] { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    QVERIFY(vb::projectSession().open(path));
    QVERIFY(vb::projectSession().readOnly());
    QCOMPARE(m_app->messages.size(), 1);
    const QString message = m_app->messages[0].text;
    QVERIFY2(message.contains(QStringLiteral("kann keine Sperrdatei angelegt werden")), qPrintable(message));
    QVERIFY(!message.contains(QStringLiteral("anderen laufenden Programm")));
}

// An archived project whose write permissions were taken away is not replaced by the next store.
void TestProject::writeProtectedFileOpensReadOnly()
{
    const QString path = projectPath();
    QVERIFY(vb::project::saveProject(path, {{"Nord", "", ""}, {}}));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(vb::projectSession().open(path));
    QVERIFY(vb::projectSession().readOnly());
    QCOMPARE(m_app->messages.size(), 1);
    QVERIFY2(m_app->messages[0].text.contains(QStringLiteral("ist schreibgeschützt")),
             qPrintable(m_app->messages[0].text));
}

// A header the disk does not take: the message names the disk's reason in the planner's language,
// and neither the file nor the open project change.
void TestProject::fullDiskIsNamedAndChangesNothing()
{
    const QString folder = m_dir->filePath(QStringLiteral("klein"));
    QVERIFY(QDir().mkpath(folder));
    ScratchDisk disk(folder, QStringLiteral("size=64k"));
    if (!disk.mounted())
        QSKIP("a full disk needs a small file system of its own, and mounting is not permitted here");
    const QString path = folder + QStringLiteral("/Nord.vorbemessung");
    QVERIFY(vb::projectSession().create(path, {"Nord", "", ""}));
    QFile filler(folder + QStringLiteral("/Füllung"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    const QByteArray before = contents(path);
    vb::shell::setEnglish(true);
    vb::projectSession().setHeader({"Süd", "", ""});
    QCOMPARE(m_app->messages.size(), 1);
    const QString message = m_app->messages[0].text;
    QVERIFY2(message.startsWith(QStringLiteral("The project cannot be saved:\n")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("There is no space left on the disk.")), qPrintable(message));
    QVERIFY(!message.contains(QStringLiteral("Unknown error")));
    QCOMPARE(vb::projectSession().project().header.project, QStringLiteral("Nord"));
    QCOMPARE(contents(path), before);
    filler.close();
    vb::projectSession().close();
}

void TestProject::sectionNameIsShownAsNamed()
{
    vb::project::Position position;
    position.section = QStringLiteral("HEB %1");
    position.sectionUtilisation = 87;
    QCOMPARE(vb::sectionText(position), QStringLiteral("HEB %1 (87 %)"));
}

void TestProject::fileThatIsNoProjectChangesNothing()
{
    QVERIFY(vb::projectSession().create(projectPath(), {"Nord", "", ""}));
    const QString bad = m_dir->filePath(QStringLiteral("kaputt.vorbemessung"));
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("{\"format\": \"vorbemessung-projekt\", \"version\": 1, \"header\": ");
    f.close();
    QVERIFY(!vb::projectSession().open(bad));
    QCOMPARE(m_app->messages.size(), 1);
    QVERIFY(m_app->messages[0].text.contains(QStringLiteral("kaputt.vorbemessung")));
    QCOMPARE(vb::projectSession().path(), QFileInfo(projectPath()).canonicalFilePath());
    QCOMPARE(GuiFixture::textOf(m_app->menu(), "Edit1"), QStringLiteral("Nord"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.size(), 59);
}

void TestProject::wholeProjectIsOneNumberedBooklet()
{
    QVERIFY(vb::projectSession().create(projectPath(), {"Bürohaus Nord", "Musterbau", "A. Planer"}));
    // Stored out of order, each with its description.
    for (const auto &[program, number, description] :
         {std::tuple{1, "1.10", "EG Pfosten Achse A-F"}, std::tuple{6, "1.2", "OG Riegel Achse 3"}}) {
        vb::shell::setDialogHook([description = QString::fromUtf8(description)](QDialog &dialog) {
            GuiFixture::type(&dialog, "EditBezeichnung", description);
            return pressOk(dialog);
        });
        storePosition(program, QString::fromLatin1(number));
    }
    const QString pdf = m_dir->filePath(QStringLiteral("Bürohaus Nord.pdf"));
    vb::shell::setSaveDialogHook([&](const QString &, const QString &) { return pdf; });
    vb::TFormProjekt window;
    window.ButtonAlleAlsPdfClick();
    QVERIFY2(m_app->messages.isEmpty(), qPrintable(m_app->messages.value(0).text));
    bool read = false;
    const QString text = QString::fromUtf8(
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}, &read));
    QVERIFY(read);
    const QString words = cupsfixture::words(text);
    for (const char *expected : {"Bürohaus Nord", "Seite 1 von 3", "Seite 2 von 3", "Seite 3 von 3"})
        QVERIFY2(words.contains(QString::fromUtf8(expected)), expected);
    // The cover lists 1.2 before 1.10 with their descriptions, and the sheets follow in that
    // order, each with its description.
    QStringList pages = text.split(QLatin1Char('\f'));
    for (QString &page : pages)
        page = cupsfixture::words(page);
    QVERIFY(pages.size() >= 3);
    const qsizetype first = pages[0].indexOf(QStringLiteral("1.2 OG Riegel"));
    QVERIFY2(first >= 0 && first < pages[0].indexOf(QStringLiteral("1.10 EG Pfosten")), qPrintable(pages[0]));
    QVERIFY2(pages[1].contains(QStringLiteral("OG Riegel Achse 3")), qPrintable(pages[1]));
    QVERIFY2(pages[2].contains(QStringLiteral("EG Pfosten Achse A-F")), qPrintable(pages[2]));
}

void TestProject::buildingIsCopiedRenumberedAndDescribed()
{
    QVERIFY(vb::projectSession().create(projectPath(), {}));
    storePosition(2, QStringLiteral("1.10"));
    storePosition(4, QStringLiteral("1.2"));
    const vb::ProjectSession &session = vb::projectSession();
    auto *menu = static_cast<vb::TForm22 *>(m_app->menu());
    vb::TFormProjekt window(menu);
    QStringList numbers, moments;
    QSize size;
    int rowsShown = 0;
    bool renumberedOntoATakenNumber = true;
    whenShown(&window, [&] {
        auto *view = window.findChild<QTableView *>(QStringLiteral("ListPositionen"));
        size = window.frameGeometry().size();
        rowsShown = view->viewport()->height() / view->verticalHeader()->defaultSectionSize();
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            numbers << view->model()->index(row, 0).data().toString();
            moments << view->model()->index(row, 4).data().toString();
        }
        // The description typed into its cell is stored.
        view->model()->setData(view->model()->index(0, 1), QStringLiteral("EG Zweifeldpfosten"));
        QApplication::processEvents();
        // 1.2 copied under the number proposed, 1.2-2, then renumbered 3.1.
        view->selectRow(0);
        click(&window, "ButtonPositionKopieren");
        vb::shell::setDialogHook([](QDialog &dialog) {
            GuiFixture::type(&dialog, "EditNummer", QStringLiteral("3.1"));
            return pressOk(dialog);
        });
        view->selectRow(1);
        click(&window, "ButtonPositionUmnummerieren");
        // A number the project holds is not taken by a renumbering.
        vb::shell::setDialogHook([&](QDialog &dialog) {
            GuiFixture::type(&dialog, "EditNummer", QStringLiteral("1.10"));
            renumberedOntoATakenNumber =
                dialog.findChild<QPushButton *>(QStringLiteral("ButtonOK"))->isEnabled();
            return pressOk(dialog);
        });
        view->selectRow(0);
        click(&window, "ButtonPositionUmnummerieren");
        window.close();
    });
    window.run();
    QCOMPARE(numbers, (QStringList{"1.2", "1.10"}));
    QVERIFY2(moments[0].startsWith(QStringLiteral("M ")) && moments[0].endsWith(QStringLiteral(" kNcm")),
             qPrintable(moments[0]));
    QVERIFY(!renumberedOntoATakenNumber);
    // The window fits a screen of 1024 x 768 and shows 15 rows.
    QVERIFY2(size.width() <= 1024 && size.height() <= 768 - 30, qPrintable(QString::number(size.height())));
    QVERIFY2(rowsShown >= 15, qPrintable(QString::number(rowsShown)));
    const vb::Result<vb::project::Project> file = vb::project::loadProject(projectPath(), vb::knownFields());
    QVERIFY(file);
    QStringList stored, described;
    for (const vb::project::Position &p : file->positions) {
        stored << p.number;
        described << p.description;
    }
    QCOMPARE(stored, (QStringList{"1.10", "1.2", "3.1"}));
    QCOMPARE(described, (QStringList{"", "EG Zweifeldpfosten", "EG Zweifeldpfosten"}));
    QCOMPARE(file->positions[2].inputs, file->positions[1].inputs);
    QCOMPARE(session.project(), *file);
}

void TestProject::sectionScheduleInBothStyles()
{
    QVERIFY(vb::projectSession().create(projectPath(), {}));
    vb::shell::setDialogHook([](QDialog &dialog) {
        GuiFixture::type(&dialog, "EditBezeichnung", QStringLiteral("=Pfosten; \"Achse\" A"));
        return pressOk(dialog);
    });
    storePosition(1, QStringLiteral("2.1"));
    storePosition(6, QStringLiteral("10.1"));
    const QString csv = m_dir->filePath(QStringLiteral("liste.csv"));
    vb::shell::setSaveDialogHook([&](const QString &, const QString &) { return csv; });
    vb::TFormProjekt window;
    window.ButtonListeCsvClick();
    QByteArray german = contents(csv);
    QVERIFY(german.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(german.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.value(0), QStringLiteral("Pos.;Bezeichnung;Programm;Bauteil;Ix erf. [cm⁴];Wx erf. [cm³];"
                                            "Iy erf. [cm⁴];Wy erf. [cm³];Profil;Ausnutzung [%];Datum"));
    // The description quoted, with its quotation marks doubled and led by an apostrophe so that
    // no spreadsheet takes it for a formula; a value with a decimal comma.
    QVERIFY2(lines.value(1).startsWith(QStringLiteral("2.1;\"'=Pfosten; \"\"Achse\"\" A\";Programm 1;")),
             qPrintable(lines.value(1)));
    QVERIFY2(lines.value(1).contains(QRegularExpression(QStringLiteral(";\\d+,\\d;"))),
             qPrintable(lines.value(1)));
    QVERIFY2(lines.value(2).startsWith(QStringLiteral("10.1;")), qPrintable(lines.value(2)));

    vb::shell::setEnglish(true);
    window.ButtonListeCsvClick();
    const QStringList english = QString::fromUtf8(contents(csv).mid(3)).split(QStringLiteral("\r\n"));
    QVERIFY2(english.value(0).startsWith(QStringLiteral("Pos.,Description,Program,Member,Ix req. [cm⁴],")),
             qPrintable(english.value(0)));
    QVERIFY2(english.value(1).contains(QRegularExpression(QStringLiteral(",\\d+\\.\\d,"))),
             qPrintable(english.value(1)));

    // A list that cannot be written says so, and nothing is left half written.
    QVERIFY(m_app->messages.isEmpty());
    vb::shell::setSaveDialogHook(
        [&](const QString &, const QString &) { return m_dir->filePath(QStringLiteral("fehlt/liste.csv")); });
    window.ButtonListeCsvClick();
    QCOMPARE(m_app->messages.size(), 1);
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("fehlt/liste.csv"))));
}

void TestProject::unstoredCalculationIsAskedAbout_data()
{
    QTest::addColumn<bool>("project");
    QTest::addColumn<int>("answer"); // Speichern, Verwerfen, Abbrechen
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("stays");
    QTest::newRow("save") << true << 0 << true << false;
    QTest::newRow("discard") << true << 1 << false << false;
    QTest::newRow("cancel keeps the form open") << true << 2 << false << true;
    QTest::newRow("without a project nothing is asked") << false << 0 << false << false;
}

void TestProject::unstoredCalculationIsAskedAbout()
{
    QFETCH(bool, project);
    QFETCH(int, answer);
    QFETCH(bool, stored);
    QFETCH(bool, stays);
    if (project)
        QVERIFY(vb::projectSession().create(projectPath(), {}));
    QList<vb::Question> asked;
    vb::shell::setQuestionHook([&](const vb::Question &q) {
        asked << q;
        return answer;
    });
    bool open = false;
    m_app->withProgramOpen(3, [&](QWidget *form) {
        typeAll(form, kCalculatingInputs[2]);
        click(form, "Button1");
        GuiFixture::type(form, programForm(3)->positionField()->objectName().toLatin1().constData(),
                         QStringLiteral("4.2"));
        click(form, "Button2");
        open = form->isVisible();
        // Stored, the same calculation closes without a question.
        answer = 1;
        if (open)
            click(form, "Button2");
    });
    QCOMPARE(open, stays);
    QCOMPARE(asked.size(), project ? (stays ? 2 : 1) : 0);
    if (project)
        QCOMPARE(asked[0].text, QStringLiteral("Position 4.2 speichern?"));
    QCOMPARE(vb::projectSession().indexOf(QStringLiteral("4.2")) >= 0, stored);
}

void TestProject::savingWithoutAProjectMakesOne()
{
    QList<vb::Question> asked;
    vb::shell::setQuestionHook([&](const vb::Question &q) {
        asked << q;
        return 0; // a new project
    });
    vb::shell::setSaveDialogHook([&](const QString &, const QString &) { return projectPath(); });
    storePosition(1, QStringLiteral("1.01"));
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].answers.value(0), QStringLiteral("Neues Projekt…"));
    const vb::Result<vb::project::Project> file = vb::project::loadProject(projectPath(), vb::knownFields());
    QVERIFY(file);
    QCOMPARE(file->positions.size(), 1);
    QCOMPARE(file->positions[0].number, QStringLiteral("1.01"));
}

QTEST_MAIN(TestProject)
#include "tst_project.moc"
