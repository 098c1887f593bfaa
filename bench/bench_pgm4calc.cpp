#include "core/resultformat.h"
#include "programs/pgm41024/pgm4calc.h"

#include <QtTest/QtTest>

namespace
{
// The worked example: spans 3 m and 2 m, pane 1.5 m, fields 1.2 m, all four limits, 0.8 kN/m².
vb::pgm4::Input workedExample()
{
    vb::pgm4::Input in;
    in.l1 = 3.0;
    in.l2 = 2.0;
    in.ls = 1.5;
    in.a = 1.2;
    in.b = 1.2;
    in.memberRatio = 200.0;
    in.memberCapMm = 15.0;
    in.edgeRatio = 300.0;
    in.edgeCapMm = 8.0;
    in.wind = 0.8;
    return in;
}
} // namespace

class BenchPgm4 : public QObject
{
    Q_OBJECT

private slots:
    void twoSpanMullion()
    {
        const vb::pgm4::Input in = workedExample();
        double sink = 0;
        QBENCHMARK
        {
            const vb::pgm4::Result r = vb::pgm4::calculate(in);
            sink += r.inertia;
        }
        QVERIFY(sink > 0);
    }
    void twoSpanMullionWithResultTexts()
    {
        const vb::pgm4::Input in = workedExample();
        qsizetype sink = 0;
        QBENCHMARK
        {
            const vb::pgm4::Result r = vb::pgm4::calculate(in);
            for (const double v : {r.inertia, r.spanMoment, r.spanModulus, r.supportMoment, r.supportModulus})
                sink += vb::formatFixed(v, 1).size();
            sink += vb::formatFixed(r.memberDeflection * 10, 2).size() +
                    vb::formatFixed(r.edgeDeflection * 10, 2).size();
        }
        QVERIFY(sink > 0);
    }
};

QTEST_APPLESS_MAIN(BenchPgm4)
#include "bench_pgm4calc.moc"
