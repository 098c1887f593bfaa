// A project of 500 positions opened in the running program (goal 50 ms) and one position stored
// in it (goal 20 ms): the file read and checked against the six forms' own fields, the lock taken,
// the header put into the main menu; storing writes the whole file atomically with its backup.
// The first open also makes the six forms, which a run does once; it is timed on its own.

#include "app/mainmenu.h"
#include "forms/programform.h"
#include "forms/programlist.h"
#include "forms/projectsession.h"
#include "forms/shell.h"
#include "forms/tformprojekt.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QTableView>

using namespace vb;

namespace
{
// `count` positions of all six programs, each with every input and result its form has.
project::Project largeProject(int count = 500)
{
    const project::KnownFields fields = knownFields();
    project::Project project{
        {QStringLiteral("Verwaltungsgebäude Süd"), QStringLiteral("Musterbau"), QStringLiteral("A. Planer")},
        {}};
    for (int i = 0; i < count; ++i) {
        project::Position p;
        p.number = QString::number(i + 1);
        p.program = i % 6 + 1;
        const project::ProgramFields *known = fields(p.program);
        for (const QString &name : known->inputs)
            p.inputs.insert(name, QStringLiteral("%1.5").arg(i % 9 + 1));
        for (const QString &name : known->results)
            p.results.insert(name, QStringLiteral("%1.25").arg(i % 97));
        for (const QString &name : known->options)
            p.options.insert(name, false);
        p.description = QStringLiteral("%1. OG Pfosten Achse %2").arg(i % 9).arg(i % 26 + 1);
        p.section = QStringLiteral("Rechteckrohr 50 x %1 x 3").arg(50 + i % 100);
        p.sectionUtilisation = 40 + i % 60;
        p.date = QStringLiteral("08.12.2026");
        p.time = QStringLiteral("14:05");
        project.positions.append(p);
    }
    return project;
}
} // namespace

class BenchProjectOpen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", m_dir.path().toUtf8());
        shell::setMessageHook([](const Message &m) { qWarning("%s", qPrintable(m.text)); });
        m_menu = makeMainMenu(m_dir.filePath(QStringLiteral(".msdos2.ini")));
        m_path = m_dir.filePath(QStringLiteral("Süd.vorbemessung"));

        const project::Project project = largeProject();
        // The forms were made for the fields above: a fresh menu times the first open with them.
        m_menu.reset();
        shell::forms() = {};
        m_menu = makeMainMenu(m_dir.filePath(QStringLiteral(".msdos2.ini")));
        const Result<> saved = project::saveProject(m_path, project);
        QVERIFY2(saved, qPrintable(saved.reason().english));
        QElapsedTimer first;
        first.start();
        QVERIFY(projectSession().open(m_path));
        qInfo("first open, the six forms made with it: %.1f ms", first.nsecsElapsed() / 1e6);
    }
    void cleanupTestCase()
    {
        projectSession().close();
        m_menu.reset();
    }
    void openProject()
    {
        QBENCHMARK
        {
            projectSession().open(m_path);
        }
        QCOMPARE(projectSession().project().positions.size(), 500);
    }
    void storeOnePosition()
    {
        project::Position position = projectSession().project().positions.first();
        // QtTest may run the function more than once: the numbers go on from run to run.
        static int n = 0;
        QBENCHMARK
        {
            position.number = QStringLiteral("neu %1").arg(++n);
            projectSession().store(position);
        }
        QVERIFY(projectSession().project().positions.size() > 500);
    }

    // The project window on a building of 1,000 positions: filled (goal 100 ms), sorted by a
    // column (goal 50 ms).
    void projectWindowOn1000Positions()
    {
        const QString path = m_dir.filePath(QStringLiteral("Groß.vorbemessung"));
        QVERIFY(project::saveProject(path, largeProject(1000)));
        QVERIFY(projectSession().open(path));
        TFormProjekt window(m_menu.get());
        window.show();
        QBENCHMARK
        {
            window.refresh();
        }
    }
    void sortProjectWindowOn1000Positions()
    {
        TFormProjekt window(m_menu.get());
        window.refresh();
        window.show();
        auto *view = window.findChild<QTableView *>(QStringLiteral("ListPositionen"));
        int column = 0;
        QBENCHMARK
        {
            column = column % 8 + 1;
            view->sortByColumn(column, Qt::AscendingOrder);
        }
        QCOMPARE(view->model()->rowCount(), 1000);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QMainWindow> m_menu;
    QString m_path;
};

QTEST_MAIN(BenchProjectOpen)
#include "bench_projectopen.moc"
