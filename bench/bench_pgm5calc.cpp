#include "core/resultformat.h"
#include "programs/pgm51024/pgm5calc.h"

#include <QtTest/QtTest>

namespace
{
// The roof field of the worked examples: L1 = 3.0, L2 = 2.5, LS = 1.5, A = B = 1.2, all four
// limits, g = 0.5, s0 = 0.75, w = 0.8.
vb::pgm5::Input roofField(double pitch)
{
    vb::pgm5::Input in;
    in.l1 = 3.0;
    in.l2 = 2.5;
    in.a = 1.2;
    in.b = 1.2;
    in.ls = 1.5;
    in.pitch = pitch;
    in.rafterRatio = 200.0;
    in.rafterCapMm = 15.0;
    in.edgeRatio = 300.0;
    in.edgeCapMm = 8.0;
    in.dead = 0.5;
    in.snow = 0.75;
    in.wind = 0.8;
    return in;
}
} // namespace

class BenchPgm5 : public QObject
{
    Q_OBJECT

private slots:
    // Below 25°: one two-span system on the horizontal projection.
    void flatRoof()
    {
        const vb::pgm5::Input in = roofField(15.0);
        double sink = 0;
        QBENCHMARK
        {
            const vb::pgm5::Result r = vb::pgm5::calculate(in);
            sink += r.inertia;
        }
        QVERIFY(sink > 0);
    }
    // From 25°: the horizontal and the vertical system, with the seven result texts.
    void steepRoofWithResultTexts()
    {
        vb::pgm5::Input in = roofField(35.0);
        in.snowRule = vb::rafter::SnowRule::Bs;
        qsizetype sink = 0;
        QBENCHMARK
        {
            const vb::pgm5::Result r = vb::pgm5::calculate(in);
            sink += vb::formatFixed(r.rafterDeflection * 10, 2).size() +
                    vb::formatFixed(r.edgeDeflection * 10, 2).size() + vb::formatFixed(r.inertia, 1).size() +
                    vb::formatFixed(r.supportMoment, 1).size() + vb::formatFixed(r.spanMoment, 1).size() +
                    vb::formatFixed(r.spanModulus, 1).size() + vb::formatFixed(r.supportModulus, 1).size();
        }
        QVERIFY(sink > 0);
    }
};

QTEST_APPLESS_MAIN(BenchPgm5)
#include "bench_pgm5calc.moc"
