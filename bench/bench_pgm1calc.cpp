#include "core/resultformat.h"
#include "programs/pgm11024/pgm1calc.h"

#include <QtTest/QtTest>

class BenchPgm1 : public QObject
{
    Q_OBJECT

private slots:
    void mullion()
    {
        vb::pgm1::Input in;
        in.lp = 3.0;
        in.ls = 2.0;
        in.a = 1.2;
        in.b = 1.2;
        in.memberRatio = 200.0;
        in.wind = 1.0;
        double sink = 0;
        QBENCHMARK
        {
            const vb::pgm1::Result r = vb::pgm1::calculate(in);
            sink += r.inertia;
        }
        QVERIFY(sink > 0);
    }
    void transomWithResultTexts()
    {
        vb::pgm1::Input in;
        in.transom = true;
        in.lp = 2.0;
        in.ls = 1.0;
        in.a = 1.5;
        in.edgeRatio = 300.0;
        in.wind = 1.0;
        qsizetype sink = 0;
        QBENCHMARK
        {
            const vb::pgm1::Result r = vb::pgm1::calculate(in);
            sink += vb::formatFixed(r.inertia, 1).size() + vb::formatFixed(r.edgeDeflection * 10, 2).size();
        }
        QVERIFY(sink > 0);
    }
};

QTEST_APPLESS_MAIN(BenchPgm1)
#include "bench_pgm1calc.moc"
