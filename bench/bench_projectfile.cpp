#include "core/projectfile.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

using namespace vb::project;

namespace
{
const ProgramFields *benchFields(int program)
{
    static const ProgramFields fields = [] {
        ProgramFields f;
        for (int k = 1; k <= 30; ++k)
            f.inputs.insert(QStringLiteral("Edit%1").arg(k));
        for (int k = 16; k <= 30; ++k)
            f.results.insert(QStringLiteral("Edit%1").arg(k));
        for (int k = 1; k <= 4; ++k)
            f.options.insert(QStringLiteral("RadioButton%1").arg(k));
        return f;
    }();
    return program >= 1 && program <= 6 ? &fields : nullptr;
}

// A large building: 500 positions of all six programs, each with 15 inputs as typed, 7 results
// as shown, two option buttons and, for two in three, a chosen section.
Project largeProject()
{
    Project project{{QStringLiteral("Verwaltungsgebäude Süd, Bauteil A–D"), QStringLiteral("Musterbau"),
                     QStringLiteral("A. Planer")},
                    {}};
    project.positions.reserve(500);
    for (int i = 0; i < 500; ++i) {
        Position p;
        p.number = QStringLiteral("%1.%2").arg(i / 50 + 1).arg(i % 50 + 1, 2, 10, QLatin1Char('0'));
        p.program = i % 6 + 1;
        p.options = {{QStringLiteral("RadioButton1"), i % 2 == 0},
                     {QStringLiteral("RadioButton2"), i % 2 == 1}};
        for (int k = 1; k <= 15; ++k)
            p.inputs.insert(QStringLiteral("Edit%1").arg(k),
                            QStringLiteral("%1,%2").arg(k + i % 7).arg(i % 100));
        for (int k = 16; k <= 22; ++k)
            p.results.insert(QStringLiteral("Edit%1").arg(k), QString::number((k * 13.7 + i) / 3.0, 'f', 2));
        p.date = QStringLiteral("12.03.2024");
        p.time = QStringLiteral("14:05");
        if (i % 3 != 0) {
            p.section = QStringLiteral("%1 x %2 x 3").arg(50 + i % 4 * 10).arg(100 + i % 8 * 20);
            p.sectionUtilisation = 40 + i % 60;
        }
        project.positions.append(std::move(p));
    }
    return project;
}
} // namespace

class BenchProjectFile : public QObject
{
    Q_OBJECT

private slots:
    // Opening a large project: checking and reading the whole file.
    void read500()
    {
        const QByteArray bytes = writeProject(largeProject());
        qsizetype read = 0;
        QBENCHMARK
        {
            read = readProject(bytes, benchFields)->positions.size();
        }
        QCOMPARE(read, 500);
    }
    // Storing it after a change: the new file written atomically and the previous one kept as
    // the backup. Two states alternate, so that every save makes a backup.
    void save500()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gross.vorbemessung"));
        Project states[2] = {largeProject(), largeProject()};
        states[1].positions.last().inputs[QStringLiteral("Edit1")] = QStringLiteral("9,9");
        // The project exists before the first measured save, so that each of them keeps a backup.
        vb::Result<> error = saveProject(path, states[1]);
        bool saved = error.ok();
        int turn = 0;
        QBENCHMARK
        {
            if (saved)
                error = saveProject(path, states[turn]);
            saved = saved && error.ok();
            turn = 1 - turn;
        }
        QVERIFY2(saved, qPrintable(error.reason().english));
        QVERIFY(QFile::exists(path + QStringLiteral(".bak")));
    }
};

QTEST_APPLESS_MAIN(BenchProjectFile)
#include "bench_projectfile.moc"
