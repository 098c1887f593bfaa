#include "core/resultformat.h"
#include "programs/pgm61024/pgm6calc.h"

#include <QtTest/QtTest>

class BenchPgm6 : public QObject
{
    Q_OBJECT

private slots:
    // The worked example: 8 mm glass on a 1.5 m transom, blocks at 0.15 m, 3 mm allowed.
    void glass()
    {
        vb::pgm6::Input in;
        in.span = 1.5;
        in.height = 2.0;
        in.thicknessMm = 8.0;
        in.blocks = 0.15;
        in.deflectionMm = 3.0;
        double sink = 0;
        QBENCHMARK
        {
            const vb::pgm6::Result r = vb::pgm6::calculate(in);
            sink += r.inertia;
        }
        QVERIFY(sink > 0);
    }
    void infillWithResultTexts()
    {
        vb::pgm6::Input in;
        in.glass = false;
        in.span = 1.2;
        in.height = 1.0;
        in.infill = 0.5;
        in.blocks = 0.15;
        in.deflectionMm = 3.0;
        qsizetype sink = 0;
        QBENCHMARK
        {
            const vb::pgm6::Result r = vb::pgm6::calculate(in);
            for (const double v : {r.inertia, r.reaction, r.sectionModulus, r.weight, r.moment})
                sink += vb::formatFixed(v, 1).size();
        }
        QVERIFY(sink > 0);
    }
};

QTEST_APPLESS_MAIN(BenchPgm6)
#include "bench_pgm6calc.moc"
