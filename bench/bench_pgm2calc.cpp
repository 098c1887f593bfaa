#include "core/resultformat.h"
#include "programs/pgm21024/pgm2calc.h"

#include <QtTest/QtTest>

class BenchPgm2 : public QObject
{
    Q_OBJECT

private slots:
    // The worked example: a 3 m mullion, barrier load 1 kN/m at 1 m, l/200 or at most 15 mm.
    void handrailLoad()
    {
        vb::pgm2::Input in;
        in.lp = 3.0;
        in.a = 1.2;
        in.b = 1.2;
        in.ratio = 200.0;
        in.capMm = 15.0;
        in.c = 1.0;
        in.qk = 1.0;
        double sink = 0;
        QBENCHMARK
        {
            const vb::pgm2::Result r = vb::pgm2::calculate(in);
            sink += r.inertia;
        }
        QVERIFY(sink > 0);
    }
    void midHeightWithResultTexts()
    {
        vb::pgm2::Input in;
        in.lp = 3.0;
        in.a = 1.2;
        in.b = 1.2;
        in.ratio = 200.0;
        in.c = 1.5;
        in.qk = 1.0;
        qsizetype sink = 0;
        QBENCHMARK
        {
            const vb::pgm2::Result r = vb::pgm2::calculate(in);
            sink +=
                vb::formatFixed(r.inertia, 1).size() + vb::formatFixed(r.allowedDeflection * 10, 2).size();
        }
        QVERIFY(sink > 0);
    }
};

QTEST_APPLESS_MAIN(BenchPgm2)
#include "bench_pgm2calc.moc"
