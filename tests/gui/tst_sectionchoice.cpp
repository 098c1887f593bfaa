// "Profil wählen…" on the real forms: the sections that carry the member of the last calculation,
// lightest first, the choice on the form, what clears it, imported catalogues, and the place the
// new controls take on each form.
#include "formdriver.h"
#include "guifixture.h"

#include "core/langflag.h"
#include "core/sections.h"
#include "forms/programform.h"
#include "forms/programlist.h"
#include "forms/shell.h"
#include "forms/tformprofil.h"
#include "programs/pgm11024/pgm1calc.h"

#include <QtTest/QtTest>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableView>

#include <sys/stat.h>

namespace
{
using namespace formtest;

const Fields &kMullion = kCalculatingInputs[0];

// The required values of kMullion as calculated, unrounded.
QList<vb::sections::Requirement> mullionRequirements()
{
    vb::pgm1::Input in;
    in.lp = 3.0;
    in.ls = 2.0;
    in.a = 1.2;
    in.b = 1.2;
    in.memberRatio = 200.0;
    in.wind = 1.0;
    const vb::pgm1::Result r = vb::pgm1::calculate(in);
    return {{vb::sections::Quantity::Ix, std::abs(r.inertia)},
            {vb::sections::Quantity::Wx, std::abs(r.sectionModulus)}};
}

// The list of sufficient sections, as the planner sees it.
QAbstractItemModel *sectionList()
{
    return vb::shell::sectionWindow()->findChild<QTableView *>(QStringLiteral("ListProfile"))->model();
}

QString cell(int row, int column)
{
    return sectionList()->index(row, column).data().toString();
}

QString header(int column)
{
    return sectionList()->headerData(column, Qt::Horizontal).toString();
}

// The catalogue a listed section comes from: the last column.
QString catalogueOf(int row)
{
    return cell(row, sectionList()->columnCount() - 1);
}

} // namespace

class TestSectionChoice : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_app = std::make_unique<GuiFixture>();
        m_catalogues = std::make_unique<QTemporaryDir>();
        vb::shell::sectionWindow()->setCatalogueFolder(m_catalogues->path());
    }
    void cleanup() { m_app.reset(); }
    void lightestSufficientSectionIsOfferedAndChosen();
    void clickedColumnSortsByItsValue();
    void everyProgramHandsOnItsRequiredValues_data();
    void everyProgramHandsOnItsRequiredValues();
    void newCalculationJudgesTheChoice();
    void importedCatalogueJoinsTheList_data();
    void importedCatalogueJoinsTheList();
    void badRowsAreReportedByLine();
    void importOfAPipeDoesNotWait();
    void leftOutFilesAreNamed_data();
    void leftOutFilesAreNamed();
    void removedCatalogueLeavesTheList();
    void noSufficientSectionIsSaid();
    void newControlsFitTheDesign_data();
    void newControlsFitTheDesign();

private:
    std::unique_ptr<QTemporaryDir> m_catalogues; // a fresh user data folder for each test
    std::unique_ptr<GuiFixture> m_app;
};

void TestSectionChoice::lightestSufficientSectionIsOfferedAndChosen()
{
    const vb::sections::Catalogue generic{QString(), vb::sections::genericTubes()};
    const QList<vb::sections::Candidate> expected =
        vb::sections::sufficientSections({&generic}, mullionRequirements());
    QVERIFY(!expected.isEmpty());
    m_app->withProgramOpen(1, [&](QWidget *form) {
        auto *button = form->findChild<QPushButton *>(QStringLiteral("ButtonProfil"));
        QVERIFY(!button->isEnabled());
        typeAll(form, kMullion);
        click(form, "Button1");
        QVERIFY(button->isEnabled());
        QString firstName;
        int rows = 0;
        whenShown(vb::shell::sectionWindow(), [&] {
            rows = sectionList()->rowCount();
            firstName = cell(0, 0);
            click(vb::shell::sectionWindow(), "ButtonUebernehmen");
        });
        click(form, "ButtonProfil");
        // Every sufficient section of the generic series, the lightest first.
        QCOMPARE(rows, int(expected.size()));
        QCOMPARE(firstName, expected.first().section->name);
        const int percent = int(std::round(expected.first().utilisation.value(expected.first().governing)));
        const auto *line = form->findChild<QLabel *>(QStringLiteral("LabelProfil"));
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), QStringLiteral("Profil: %1, Ausnutzung %2 %").arg(firstName).arg(percent));
    });
}

// A click on a column's header sorts the list by that column's values, numbers as numbers; the
// section taken is the one clicked in the sorted list.
void TestSectionChoice::clickedColumnSortsByItsValue()
{
    m_app->withProgramOpen(1, [&](QWidget *form) {
        typeAll(form, kMullion);
        click(form, "Button1");
        QList<double> utilisations;
        QString taken;
        whenShown(vb::shell::sectionWindow(), [&] {
            auto *view = vb::shell::sectionWindow()->findChild<QTableView *>(QStringLiteral("ListProfile"));
            const int column = 2; // the utilisation of the first required value
            QTest::mouseClick(view->horizontalHeader()->viewport(), Qt::LeftButton, {},
                              QPoint(view->horizontalHeader()->sectionViewportPosition(column) + 5, 5));
            for (int row = 0; row < sectionList()->rowCount(); ++row)
                utilisations << cell(row, column).section(QLatin1Char(' '), 0, 0).toDouble();
            view->selectRow(sectionList()->rowCount() - 1);
            taken = cell(sectionList()->rowCount() - 1, 0);
            click(vb::shell::sectionWindow(), "ButtonUebernehmen");
        });
        click(form, "ButtonProfil");
        QVERIFY(utilisations.size() > 10);
        QVERIFY(utilisations.first() != utilisations.last());
        QVERIFY(std::is_sorted(utilisations.begin(), utilisations.end()) ||
                std::is_sorted(utilisations.rbegin(), utilisations.rend()));
        QVERIFY(form->findChild<QLabel *>(QStringLiteral("LabelProfil"))->text().contains(taken));
    });
}

void TestSectionChoice::everyProgramHandsOnItsRequiredValues_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<Fields>("inputs");
    // The required values as the section window names them, each beside the result field it
    // comes from.
    QTest::addColumn<QStringList>("required");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("Programm 1: Ix and Wx")
        << 1 << kMullion << QStringList{"Ix", "Wx"} << QStringList{"Edit8", "Edit12"};
    QTest::newRow("Programm 2: Ix and Wx")
        << 2 << kCalculatingInputs[1] << QStringList{"Ix", "Wx"} << QStringList{"Edit8", "Edit12"};
    QTest::newRow("Programm 3: Ix and Wx")
        << 3 << kCalculatingInputs[2] << QStringList{"Ix", "Wx"} << QStringList{"Edit8", "Edit12"};
    QTest::newRow("Programm 4: Ix, Wx of span and support")
        << 4 << kCalculatingInputs[3] << QStringList{"Ix", "Wx (Feld)", "Wx (Stütze)"}
        << QStringList{"Edit8", "Edit12", "Edit14"};
    QTest::newRow("Programm 5: Ix, Wx of span and support")
        << 5 << kCalculatingInputs[4] << QStringList{"Ix", "Wx (Feld)", "Wx (Stütze)"}
        << QStringList{"Edit8", "Edit12", "Edit18"};
    QTest::newRow("Programm 6: Iy and Wy")
        << 6 << kCalculatingInputs[5] << QStringList{"Iy", "Wy"} << QStringList{"Edit5", "Edit8"};
}

void TestSectionChoice::everyProgramHandsOnItsRequiredValues()
{
    QFETCH(int, program);
    QFETCH(Fields, inputs);
    QFETCH(QStringList, required);
    QFETCH(QStringList, fields);
    m_app->withProgramOpen(program, [&](QWidget *form) {
        typeAll(form, inputs);
        click(form, "Button1");
        QStringList expected;
        for (qsizetype i = 0; i < required.size(); ++i) {
            const QString unit =
                required[i].startsWith(QLatin1Char('I')) ? QStringLiteral("cm⁴") : QStringLiteral("cm³");
            QString value = text(form, fields[i]);
            value.remove(QLatin1Char('-')); // a magnitude
            expected << QStringLiteral("%1 = %2 %3").arg(required[i], value, unit);
        }
        QString shown;
        QStringList headers;
        whenShown(vb::shell::sectionWindow(), [&] {
            shown = GuiFixture::textOf(vb::shell::sectionWindow(), "LabelWerte");
            for (int c = 2; c < sectionList()->columnCount() - 2; ++c)
                headers << header(c);
            click(vb::shell::sectionWindow(), "ButtonAbbrechen");
        });
        click(form, "ButtonProfil");
        if (program == 4 || program == 5) {
            // A two-span member: the window judges Ix by the longer span's elastic line, names both
            // values and says why, with the factor on the form's value.
            const QStringList lines = shown.split(QLatin1Char('\n'));
            QCOMPARE(lines.size(), 2);
            const QRegularExpression factorAtEnd(QStringLiteral("mal (\\d\\.\\d{3})\\.$"));
            const QRegularExpressionMatch factor = factorAtEnd.match(lines[1]);
            QVERIFY2(factor.hasMatch() && lines[1].startsWith(QStringLiteral("Maßgebend")),
                     qPrintable(lines[1]));
            const double k = factor.captured(1).toDouble();
            QVERIFY(k > 1.0 && k < 1.09);
            const QRegularExpression both(
                QStringLiteral("^Ix = (\\d+\\.\\d) cm⁴ \\(Formular: ([^ ]+) cm⁴\\),   (.*)$"));
            const QRegularExpressionMatch values = both.match(lines[0]);
            QVERIFY2(values.hasMatch(), qPrintable(lines[0]));
            QCOMPARE(values.captured(2), text(form, "Edit8"));
            QCOMPARE(values.captured(3), expected.mid(1).join(QStringLiteral(",   ")));
            // The governing value is the form's times the factor, to the rounding of the form's value.
            QVERIFY2(std::abs(values.captured(1).toDouble() - text(form, "Edit8").toDouble() * k) <= 0.06 * k,
                     qPrintable(lines[0]));
        } else {
            QCOMPARE(shown, expected.join(QStringLiteral(",   ")));
        }
        QCOMPARE(headers, required);
    });
}

void TestSectionChoice::newCalculationJudgesTheChoice()
{
    m_app->withProgramOpen(6, [&](QWidget *form) {
        auto *programForm = qobject_cast<vb::ProgramForm *>(form);
        auto *line = form->findChild<QLabel *>(QStringLiteral("LabelProfil"));
        auto *button = form->findChild<QPushButton *>(QStringLiteral("ButtonProfil"));
        const Fields transom{{"Edit1", "1.5"}, {"Edit13", "2"}, {"Edit14", "16"}};
        typeAll(form, transom);
        click(form, "Button1");
        QStringList headers;
        const auto take = [&] {
            for (int c = 0; c < sectionList()->columnCount(); ++c)
                headers << header(c);
            click(vb::shell::sectionWindow(), "ButtonUebernehmen");
        };
        whenShown(vb::shell::sectionWindow(), take);
        click(form, "ButtonProfil");
        // The transom is sized about its weak axis.
        QVERIFY(headers.contains(QStringLiteral("Iy")) && headers.contains(QStringLiteral("Wy")));
        QVERIFY(line->isVisible());
        const QString name = programForm->sectionChoice()->name;
        const QString chosen = line->text();

        // The same values again: the section still carries and stays.
        click(form, "Button1");
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), chosen);

        // A calculation without results keeps it waiting for the next one that has them.
        typeAll(form, {{"Edit1", ""}});
        click(form, "Button1");
        QVERIFY(!programForm->sectionChoice());
        typeAll(form, transom);
        click(form, "Button1");
        QCOMPARE(line->text(), chosen);

        // Three times the span: it no longer carries, is removed, and the form says so in red.
        typeAll(form, {{"Edit1", "4.5"}});
        click(form, "Button1");
        QVERIFY(!programForm->sectionChoice());
        QVERIFY(line->isVisible());
        QVERIFY2(line->text().startsWith(QStringLiteral("Profil ") + name + QStringLiteral(" entfernt: ")) &&
                     line->text().contains(QStringLiteral(" erf. ")) &&
                     line->text().contains(QStringLiteral("vorh. ")),
                 qPrintable(line->text()));
        QCOMPARE(line->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        // Until the next choice, also through a new calculation.
        typeAll(form, transom);
        click(form, "Button1");
        QVERIFY(line->text().startsWith(QStringLiteral("Profil ") + name + QStringLiteral(" entfernt")));
        whenShown(vb::shell::sectionWindow(), take);
        click(form, "ButtonProfil");
        QVERIFY(programForm->sectionChoice());
        QVERIFY(line->palette().color(QPalette::WindowText) != QColor(255, 0, 0));

        click(form, "Button3");
        QVERIFY(!line->isVisible());
        QVERIFY(!button->isEnabled());
    });
}

void TestSectionChoice::importedCatalogueJoinsTheList_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::newRow("semicolons and decimal commas, German header")
        << QByteArray("Bezeichnung;Ix [cm4];Wx [cm3];Iy [cm4];Wy [cm3];Masse [kg/m]\n"
                      "Pfosten 50/120;130,5;18,2;40,1;12,0;1,05\n");
    QTest::newRow("commas and decimal points, English header")
        << QByteArray("name,Ix,Wx,Iy,Wy,mass,series\nPfosten 50/120,130.5,18.2,40.1,12.0,1.05,Test\n");
}

void TestSectionChoice::importedCatalogueJoinsTheList()
{
    QFETCH(QByteArray, csv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Hausserie.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size());
    file.close();
    vb::shell::setOpenDialogHook([&](const QString &) { return path; });
    m_app->withProgramOpen(1, [&](QWidget *form) {
        typeAll(form, kMullion);
        click(form, "Button1");
        QStringList catalogues;
        QString first, catalogue;
        bool noted = true;
        whenShown(vb::shell::sectionWindow(), [&] {
            click(vb::shell::sectionWindow(), "ButtonImport");
            const auto *list =
                vb::shell::sectionWindow()->findChild<QListWidget *>(QStringLiteral("ListKataloge"));
            for (int i = 0; i < list->count(); ++i) {
                if (list->item(i)->checkState() == Qt::Checked)
                    catalogues << list->item(i)->text();
            }
            first = cell(0, 0);
            catalogue = catalogueOf(0);
            noted =
                vb::shell::sectionWindow()->findChild<QLabel *>(QStringLiteral("LabelHinweis"))->isVisible();
            click(vb::shell::sectionWindow(), "ButtonAbbrechen");
        });
        click(form, "ButtonProfil");
        // The new catalogue is searched at once, and its light section comes first.
        QVERIFY(!noted); // nothing was left out
        QCOMPARE(catalogues.size(), 2);
        QCOMPARE(catalogues.last(), QStringLiteral("Hausserie"));
        QCOMPARE(first, QStringLiteral("Pfosten 50/120"));
        QCOMPARE(catalogue, QStringLiteral("Hausserie"));
        QVERIFY(!form->findChild<QLabel *>(QStringLiteral("LabelProfil"))->isVisible());
    });
    QVERIFY(m_app->messages.isEmpty());
}

void TestSectionChoice::badRowsAreReportedByLine()
{
    // A file name with "%2" must reach the question as it is.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Serie %2.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Name;Ix;Wx;Iy;Wy\nA;130;18;40;12\nB;abc;18;40;12\nA;140;19;40;12\n");
    file.close();
    vb::shell::setOpenDialogHook([&](const QString &) { return path; });
    QString question;
    vb::shell::setQuestionHook([&](const vb::Question &q) {
        question = q.text;
        return 0; // import the rows that read
    });
    m_app->withProgramOpen(1, [&](QWidget *form) {
        typeAll(form, kMullion);
        click(form, "Button1");
        QStringList names;
        whenShown(vb::shell::sectionWindow(), [&] {
            click(vb::shell::sectionWindow(), "ButtonImport");
            for (int row = 0; row < sectionList()->rowCount(); ++row) {
                if (catalogueOf(row) == QLatin1String("Serie %2"))
                    names << cell(row, 0);
            }
            click(vb::shell::sectionWindow(), "ButtonAbbrechen");
        });
        click(form, "ButtonProfil");
        QVERIFY2(question.contains(QLatin1String("Zeile 3")) && question.contains(QLatin1String("Zeile 4")),
                 qPrintable(question));
        QVERIFY(!question.contains(QLatin1String("Zeile 2")));
        QVERIFY2(question.startsWith(QDir::toNativeSeparators(path) +
                                     QStringLiteral("\n\nLesbare Zeilen: 1, nicht lesbare: 2\n")),
                 qPrintable(question));
        QCOMPARE(names, QStringList{QStringLiteral("A")});
    });
}

void TestSectionChoice::importOfAPipeDoesNotWait()
{
    // No program writes into the pipe: reading it would wait for good.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Katalog.csv"));
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    vb::shell::setOpenDialogHook([&](const QString &) { return path; });
    m_app->withProgramOpen(1, [&](QWidget *form) {
        typeAll(form, kMullion);
        click(form, "Button1");
        int catalogues = 0;
        whenShown(vb::shell::sectionWindow(), [&] {
            click(vb::shell::sectionWindow(), "ButtonImport");
            catalogues =
                vb::shell::sectionWindow()->findChild<QListWidget *>(QStringLiteral("ListKataloge"))->count();
            click(vb::shell::sectionWindow(), "ButtonAbbrechen");
        });
        click(form, "ButtonProfil");
        QCOMPARE(catalogues, 1);
    });
    QCOMPARE(m_app->messages.size(), 1);
    QCOMPARE(m_app->messages[0].text,
             QDir::toNativeSeparators(path) + QStringLiteral("\n\nDie Datei kann nicht gelesen werden:\n"
                                                             "Das ist keine gewöhnliche Datei."));
    QVERIFY(QDir(m_catalogues->path()).entryList(QDir::Files).isEmpty());
}

void TestSectionChoice::leftOutFilesAreNamed_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("lines"); // the note, after the line that names the folder
    QTest::newRow("in German") << false
                               << QStringList{
                                      QStringLiteral("Einheit.csv: falsche Einheit: „Ix [mm4]“ statt cm⁴"),
                                      QStringLiteral("Null.csv: Das ist keine gewöhnliche Datei.")};
    QTest::newRow("in English") << true
                                << QStringList{
                                       QStringLiteral("Einheit.csv: wrong unit: “Ix [mm4]” instead of cm⁴"),
                                       QStringLiteral("Null.csv: This is not a regular file.")};
}

void TestSectionChoice::leftOutFilesAreNamed()
{
    QFETCH(bool, english);
    QFETCH(QStringList, lines);
    m_app.reset();
    m_app = std::make_unique<GuiFixture>(vb::languageRecord(english));
    const QDir folder(m_catalogues->path());
    vb::shell::sectionWindow()->setCatalogueFolder(folder.path());
    // A device that never ends, a unit off the list, and a catalogue that reads.
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), folder.filePath(QStringLiteral("Null.csv"))));
    for (const auto &[name, csv] : {std::pair{"Einheit.csv", "Name;Ix [mm4];Wx;Iy;Wy\nA;1;2;3;4\n"},
                                    std::pair{"Gut.csv", "Name;Ix;Wx;Iy;Wy\nA;1;2;3;4\n"}}) {
        QFile file(folder.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(csv) > 0);
    }
    m_app->withProgramOpen(1, [&](QWidget *form) {
        typeAll(form, kMullion);
        click(form, "Button1");
        QStringList catalogues;
        QString note;
        bool shown = false;
        whenShown(vb::shell::sectionWindow(), [&] {
            QWidget *window = vb::shell::sectionWindow();
            const auto *list = window->findChild<QListWidget *>(QStringLiteral("ListKataloge"));
            for (int i = 1; i < list->count(); ++i)
                catalogues << list->item(i)->text();
            const auto *label = window->findChild<QLabel *>(QStringLiteral("LabelHinweis"));
            shown = label->isVisible();
            note = label->text();
            click(window, "ButtonAbbrechen");
        });
        click(form, "ButtonProfil");
        QCOMPARE(catalogues, QStringList{QStringLiteral("Gut")});
        QVERIFY(shown);
        QStringList noted = note.split(QLatin1Char('\n'));
        QVERIFY2(noted.size() == 3 && noted.takeFirst().contains(QDir::toNativeSeparators(folder.path())),
                 qPrintable(note));
        QCOMPARE(noted, lines);
    });
    QVERIFY(m_app->messages.isEmpty());
}

void TestSectionChoice::removedCatalogueLeavesTheList()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Alt.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Name;Ix;Wx;Iy;Wy\nA;130;18;40;12\n");
    file.close();
    vb::shell::setOpenDialogHook([&](const QString &) { return path; });
    QStringList asked;
    vb::shell::setQuestionHook([&](const vb::Question &q) {
        asked << q.text;
        return 0; // remove
    });
    m_app->withProgramOpen(1, [&](QWidget *form) {
        typeAll(form, kMullion);
        click(form, "Button1");
        int before = 0, after = 0;
        whenShown(vb::shell::sectionWindow(), [&] {
            QWidget *window = vb::shell::sectionWindow();
            auto *list = window->findChild<QListWidget *>(QStringLiteral("ListKataloge"));
            click(window, "ButtonImport");
            before = list->count();
            list->setCurrentRow(before - 1);
            click(window, "ButtonKatalogEntfernen");
            after = list->count();
            click(window, "ButtonAbbrechen");
        });
        click(form, "ButtonProfil");
        QCOMPARE(before, 2);
        QCOMPARE(after, 1);
    });
    QCOMPARE(asked, QStringList{QStringLiteral("Katalog „Alt“ entfernen?")});
    QVERIFY(QDir(m_catalogues->path()).entryList(QDir::Files).isEmpty());
}

void TestSectionChoice::noSufficientSectionIsSaid()
{
    m_app->withProgramOpen(1, [&](QWidget *form) {
        typeAll(form, {{"Edit1", "12"},
                       {"Edit6", "2"},
                       {"Edit2", "3"},
                       {"Edit3", "3"},
                       {"Edit4", "300"},
                       {"Edit14", "5"}});
        click(form, "Button1");
        int rows = -1;
        bool said = false;
        whenShown(vb::shell::sectionWindow(), [&] {
            rows = sectionList()->rowCount();
            said = vb::shell::sectionWindow()
                       ->findChild<QLabel *>(QStringLiteral("LabelKeinProfil"))
                       ->isVisible();
            QVERIFY(!vb::shell::sectionWindow()
                         ->findChild<QPushButton *>(QStringLiteral("ButtonUebernehmen"))
                         ->isEnabled());
            click(vb::shell::sectionWindow(), "ButtonAbbrechen");
        });
        click(form, "ButtonProfil");
        QCOMPARE(rows, 0);
        QVERIFY(said);
        QCOMPARE(GuiFixture::textOf(vb::shell::sectionWindow(), "LabelKeinProfil"),
                 QStringLiteral("Kein Profil des Katalogs genügt."));
    });
}

void TestSectionChoice::newControlsFitTheDesign_data()
{
    QTest::addColumn<int>("program");
    for (const vb::Program &program : vb::programList())
        QTest::addRow("Programm %d", program.tables->program) << program.tables->program;
}

void TestSectionChoice::newControlsFitTheDesign()
{
    QFETCH(int, program);
    vb::ProgramForm *form = vb::shell::forms().program(program);
    form->ensureBuilt();
    for (const char *name : {"ButtonPdf", "ButtonProfil", "LabelProfil", "ButtonSpeichern"}) {
        const auto *added = form->findChild<QWidget *>(QLatin1String(name));
        const QRect place(added->mapTo(form, QPoint(0, 0)), added->size());
        QVERIFY2(!place.isEmpty() && form->rect().contains(place), name);
        for (const QWidget *other : form->findChildren<QWidget *>()) {
            const bool holder = !other->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).isEmpty();
            if (other == added || (holder && !other->inherits("QStatusBar")))
                continue;
            const QRect taken(other->mapTo(form, QPoint(0, 0)), other->size());
            QVERIFY2(!taken.intersects(place),
                     qPrintable(QLatin1String(name) + QStringLiteral(" covers ") + other->objectName()));
        }
    }
}

QTEST_MAIN(TestSectionChoice)
#include "tst_sectionchoice.moc"
