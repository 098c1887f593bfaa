#include "core/resultformat.h"
#include "programs/pgm31024/pgm3calc.h"

#include <QtTest/QtTest>

class BenchPgm3 : public QObject
{
    Q_OBJECT

private slots:
    // The rafter of 4 m at 40° under dead load, snow and wind, with two limits.
    void rafter()
    {
        vb::pgm3::Input in;
        in.lp = 4.0;
        in.a = 1.0;
        in.b = 1.0;
        in.ls = 2.0;
        in.pitch = 40.0;
        in.rafterRatio = 200.0;
        in.edgeMaxMm = 8.0;
        in.deadLoad = 0.5;
        in.snow = 0.75;
        in.wind = 0.5;
        double sink = 0;
        QBENCHMARK
        {
            const vb::pgm3::Result r = vb::pgm3::calculate(in);
            sink += r.inertia;
        }
        QVERIFY(sink > 0);
    }
    void rafterWithResultTexts()
    {
        vb::pgm3::Input in;
        in.snowRule = vb::pgm3::SnowRule::Bs;
        in.lp = 3.0;
        in.a = 1.2;
        in.b = 1.2;
        in.ls = 1.5;
        in.pitch = 30.0;
        in.rafterRatio = 200.0;
        in.rafterMaxMm = 15.0;
        in.edgeRatio = 300.0;
        in.edgeMaxMm = 8.0;
        in.deadLoad = 0.5;
        in.snow = 0.75;
        in.wind = 0.6;
        qsizetype sink = 0;
        QBENCHMARK
        {
            const vb::pgm3::Result r = vb::pgm3::calculate(in);
            sink += vb::formatFixed(r.inertia, 1).size() + vb::formatFixed(r.rafterDeflection * 10, 2).size();
        }
        QVERIFY(sink > 0);
    }
};

QTEST_APPLESS_MAIN(BenchPgm3)
#include "bench_pgm3calc.moc"
