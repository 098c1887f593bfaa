#include "core/resultformat.h"
#include "programs/pgm61024/pgm6calc.h"

#include <QtTest/QtTest>

Q_DECLARE_METATYPE(vb::FpFailure)

// Inputs as the planner types them; expected texts as the form shows them, each result
// with 1 decimal: weight G, reaction F, moment M, section modulus W, moment of inertia I.
namespace
{
QStringList shown(const vb::pgm6::Result &r)
{
    return {vb::formatFixed(r.weight, 1), vb::formatFixed(r.reaction, 1), vb::formatFixed(r.moment, 1),
            vb::formatFixed(r.sectionModulus, 1), vb::formatFixed(r.inertia, 1)};
}

vb::pgm6::Input input(bool glass, double b, double h, double t, double q, double c, double f)
{
    vb::pgm6::Input in;
    in.glass = glass;
    in.span = b;
    in.height = h;
    in.thicknessMm = t;
    in.infill = q;
    in.blocks = c;
    in.deflectionMm = f;
    return in;
}
} // namespace

class TestPgm6Calc : public QObject
{
    Q_OBJECT

private slots:
    void results_data();
    void results();
    void unroundedWorkedExample();
    void blocksWithinSpan_data();
    void blocksWithinSpan();
    void failures_data();
    void failures();
};

void TestPgm6Calc::results_data()
{
    QTest::addColumn<bool>("glass");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("q");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("f");
    QTest::addColumn<QStringList>("results"); // Edit9, Edit6, Edit10, Edit8, Edit5

    QTest::newRow("8 mm glass on a 1.5 m transom: the worked example")
        << true << 1.5 << 2.0 << 8.0 << 0.0 << 0.15 << 3.0 << QStringList{"0.6", "0.3", "5.3", "0.6", "6.9"};
    QTest::newRow("an infill of 0.5 kN/m² on 1.2 m gives the same weight and I of 4.2")
        << false << 1.2 << 1.0 << 0.0 << 0.5 << 0.15 << 3.0 << QStringList{"0.6", "0.3", "5.0", "0.6", "4.2"};
    QTest::newRow("glass and infill of the same weight per area give the same results")
        << false << 1.5 << 2.0 << 0.0 << 0.2 << 0.15 << 3.0 << QStringList{"0.6", "0.3", "5.3", "0.6", "6.9"};
    QTest::newRow("with the glass option an infill weight left in its field is not looked at")
        << true << 1.5 << 2.0 << 8.0 << 99.0 << 0.15 << 3.0 << QStringList{"0.6", "0.3", "5.3", "0.6", "6.9"};
    QTest::newRow("with the infill option a glass thickness left in its field is not looked at")
        << false << 1.2 << 1.0 << 99.0 << 0.5 << 0.15 << 3.0
        << QStringList{"0.6", "0.3", "5.0", "0.6", "4.2"};
    // Both blocks at mid-span: one load 2P at the centre, 2P·L³/48.
    QTest::newRow("blocks at mid-span act as one load at the centre")
        << true << 1.5 << 2.0 << 8.0 << 0.0 << 0.75 << 3.0
        << QStringList{"0.6", "0.3", "23.3", "2.7", "21.0"};
    QTest::newRow("l/500 of a 2.5 m transom: 5 mm and a heavy triple glazing")
        << true << 2.5 << 3.0 << 24.0 << 0.0 << 0.15 << 5.0
        << QStringList{"4.5", "2.3", "36.1", "4.1", "79.3"};
}

void TestPgm6Calc::results()
{
    QFETCH(bool, glass);
    QFETCH(double, b);
    QFETCH(double, h);
    QFETCH(double, t);
    QFETCH(double, q);
    QFETCH(double, c);
    QFETCH(double, f);
    QFETCH(QStringList, results);
    const vb::pgm6::Result r = vb::pgm6::calculate(input(glass, b, h, t, q, c, f));
    QCOMPARE(r.failure, vb::FpFailure::None);
    QCOMPARE(shown(r), results);
}

void TestPgm6Calc::unroundedWorkedExample()
{
    // Span 1.5 m, height 2.0 m, 8 mm glass, blocks at 0.15 m, 3 mm allowed.
    const vb::pgm6::Result r = vb::pgm6::calculate(input(true, 1.5, 2.0, 8.0, 0.0, 0.15, 3.0));
    QVERIFY(qAbs(r.weight - 0.6) < 1e-12);
    QVERIFY(qAbs(r.reaction - 0.3225) < 1e-12);
    QVERIFY(qAbs(r.moment - 5.34375) < 1e-12);
    QVERIFY(qAbs(r.sectionModulus - 0.6072443) < 1e-6);
    QVERIFY(qAbs(r.inertia - 6.888) < 1e-3);
}

void TestPgm6Calc::blocksWithinSpan_data()
{
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<bool>("within");
    QTest::newRow("the usual 0.15 m on a 1.5 m span stands on the span") << 1.5 << 0.15 << true;
    QTest::newRow("both blocks at mid-span are the limit and accepted") << 1.5 << 0.75 << true;
    QTest::newRow("blocks just beyond mid-span are refused") << 1.5 << 0.7500001 << false;
    QTest::newRow("blocks beyond the span are refused") << 1.5 << 2.0 << false;
}

void TestPgm6Calc::blocksWithinSpan()
{
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(bool, within);
    QCOMPARE(vb::pgm6::blocksWithinSpan(b, c), within);
    if (within) {
        // Up to mid-span, blocks moved inwards need a stiffer transom: the formulas hold
        // there and must not turn the other way.
        const vb::pgm6::Result near = vb::pgm6::calculate(input(true, b, 2.0, 8.0, 0.0, c / 2, 3.0));
        const vb::pgm6::Result r = vb::pgm6::calculate(input(true, b, 2.0, 8.0, 0.0, c, 3.0));
        QVERIFY(r.inertia > near.inertia);
    }
}

void TestPgm6Calc::failures_data()
{
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("f");
    QTest::addColumn<vb::FpFailure>("failure");
    QTest::newRow("an extreme span overflows") << 1e300 << 2.0 << 3.0 << vb::FpFailure::Overflow;
    QTest::newRow("an extreme pane height overflows") << 1.5 << 1e308 << 3.0 << vb::FpFailure::Overflow;
    QTest::newRow("a vanishing allowed deflection overflows")
        << 1.5 << 2.0 << 1e-320 << vb::FpFailure::Overflow;
    QTest::newRow("an ordinary transom does not fail") << 1.5 << 2.0 << 3.0 << vb::FpFailure::None;
}

void TestPgm6Calc::failures()
{
    QFETCH(double, b);
    QFETCH(double, h);
    QFETCH(double, f);
    QFETCH(vb::FpFailure, failure);
    const vb::pgm6::Result r = vb::pgm6::calculate(input(true, b, h, 8.0, 0.0, 0.15, f));
    QCOMPARE(r.failure, failure);
}

QTEST_APPLESS_MAIN(TestPgm6Calc)
#include "tst_pgm6calc.moc"
