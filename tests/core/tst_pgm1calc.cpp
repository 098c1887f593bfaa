#include "core/resultformat.h"
#include "programs/pgm11024/pgm1calc.h"

#include <QtTest/QtTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(vb::FpFailure)

// Inputs as the planner types them; expected texts as the form shows them
// (deflections in mm with 2 decimals, I, M, W with 1 decimal; I and W as magnitudes).
namespace
{
const double kNone = std::numeric_limits<double>::quiet_NaN();
std::optional<double> given(double v)
{
    return std::isnan(v) ? std::nullopt : std::optional<double>(v);
}
} // namespace

class TestPgm1Calc : public QObject
{
    Q_OBJECT

private slots:
    void mullion_data();
    void mullion();
    void transom_data();
    void transom();
    void failures_data();
    void failures();
};

void TestPgm1Calc::mullion_data()
{
    QTest::addColumn<double>("lp");
    QTest::addColumn<double>("ls");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("c1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("c2");
    QTest::addColumn<double>("w");
    QTest::addColumn<QStringList>("shown"); // Edit9, Edit10, Edit8, Edit11, Edit12

    QTest::newRow("mullion 3 m with l/200: the worked example")
        << 3.0 << 2.0 << 1.2 << 1.2 << 200.0 << kNone << kNone << kNone << 1.0
        << QStringList{"15.00", "6.67", "120.5", "135.0", "15.3"};
    QTest::newRow("mullion 6 m: the 15 mm cap governs over l/200")
        << 6.0 << 3.0 << 1.0 << 1.0 << 200.0 << 15.0 << kNone << kNone << 1.0
        << QStringList{"15.00", "3.75", "1607.1", "450.0", "51.1"};
    QTest::newRow("pane-edge limit only with LS equal to LP gives equal deflections")
        << 3.0 << 3.0 << 1.0 << 1.0 << kNone << kNone << 300.0 << kNone << 1.0
        << QStringList{"10.00", "10.00", "150.7", "112.5", "12.8"};
    QTest::newRow("suction gives a negative moment and positive W and I")
        << 3.0 << 2.0 << 1.2 << 1.2 << 200.0 << kNone << kNone << kNone << -0.8
        << QStringList{"15.00", "6.67", "96.4", "-108.0", "12.3"};
    QTest::newRow("a width of 0 on one side halves the other")
        << 3.0 << 2.0 << 0.0 << 1.5 << 200.0 << kNone << kNone << kNone << 1.0
        << QStringList{"15.00", "6.67", "75.3", "84.4", "9.6"};
    QTest::newRow("the mullion ratio governs over the pane-edge ratio and cap")
        << 4.0 << 2.0 << 1.0 << 1.0 << 200.0 << kNone << 300.0 << 8.0 << 1.0
        << QStringList{"20.00", "5.00", "238.1", "200.0", "22.7"};
    QTest::newRow("no wind gives zero results, never minus zero")
        << 3.0 << 2.0 << 1.2 << 1.2 << 200.0 << kNone << kNone << kNone << -0.0
        << QStringList{"15.00", "6.67", "0.0", "0.0", "0.0"};
}

void TestPgm1Calc::mullion()
{
    QFETCH(double, lp);
    QFETCH(double, ls);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, x1);
    QFETCH(double, c1);
    QFETCH(double, x2);
    QFETCH(double, c2);
    QFETCH(double, w);
    QFETCH(QStringList, shown);
    vb::pgm1::Input in;
    in.lp = lp;
    in.ls = ls;
    in.a = a;
    in.b = b;
    in.memberRatio = given(x1);
    in.memberCapMm = given(c1);
    in.edgeRatio = given(x2);
    in.edgeCapMm = given(c2);
    in.wind = w;
    const vb::pgm1::Result r = vb::pgm1::calculate(in);
    QCOMPARE(r.failure, vb::FpFailure::None);
    const QStringList actual{vb::formatFixed(r.memberDeflection * 10, 2),
                             vb::formatFixed(r.edgeDeflection * 10, 2),
                             vb::formatFixed(std::abs(r.inertia), 1), vb::formatFixed(r.moment, 1),
                             vb::formatFixed(std::abs(r.sectionModulus), 1)};
    QCOMPARE(actual, shown);
}

void TestPgm1Calc::transom_data()
{
    QTest::addColumn<double>("h1");
    QTest::addColumn<double>("h2");
    QTest::addColumn<double>("l");
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("c2");
    QTest::addColumn<double>("w");
    QTest::addColumn<QStringList>("shown"); // Edit10, Edit8, Edit11, Edit12

    QTest::newRow("two trapezoids: the worked example")
        << 1.0 << 1.0 << 1.5 << 300.0 << kNone << 1.0 << QStringList{"5.00", "15.6", "24.0", "2.7"};
    QTest::newRow("a pane higher than the span gives a triangle")
        << 2.0 << 1.0 << 1.5 << 300.0 << kNone << 1.0 << QStringList{"5.00", "16.9", "26.0", "3.0"};
    QTest::newRow("pane height equal to the span gives the triangle's values")
        << 1.5 << 1.5 << 1.5 << 300.0 << kNone << 1.0 << QStringList{"5.00", "18.1", "28.1", "3.2"};
    QTest::newRow("the 3 mm cap governs over l/300")
        << 1.0 << 1.0 << 1.5 << 300.0 << 3.0 << 1.0 << QStringList{"3.00", "26.1", "24.0", "2.7"};
    QTest::newRow("suction on a transom with H2 greater than H1")
        << 1.0 << 2.5 << 2.0 << kNone << 6.0 << -0.6 << QStringList{"6.00", "32.5", "-33.8", "3.8"};
}

void TestPgm1Calc::transom()
{
    QFETCH(double, h1);
    QFETCH(double, h2);
    QFETCH(double, l);
    QFETCH(double, x2);
    QFETCH(double, c2);
    QFETCH(double, w);
    QFETCH(QStringList, shown);
    vb::pgm1::Input in;
    in.transom = true;
    in.lp = h1;
    in.ls = h2;
    in.a = l;
    in.edgeRatio = given(x2);
    in.edgeCapMm = given(c2);
    // Mullion limits left in the hidden fields must not count for a transom.
    in.memberRatio = 1.0;
    in.memberCapMm = 0.1;
    in.wind = w;
    const vb::pgm1::Result r = vb::pgm1::calculate(in);
    QCOMPARE(r.failure, vb::FpFailure::None);
    const QStringList actual{vb::formatFixed(r.edgeDeflection * 10, 2),
                             vb::formatFixed(std::abs(r.inertia), 1), vb::formatFixed(r.moment, 1),
                             vb::formatFixed(std::abs(r.sectionModulus), 1)};
    QCOMPARE(actual, shown);
}

void TestPgm1Calc::failures_data()
{
    QTest::addColumn<bool>("transom");
    QTest::addColumn<double>("lp");
    QTest::addColumn<double>("ls");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("w");
    QTest::addColumn<vb::FpFailure>("failure");

    QTest::newRow("an extreme mullion length overflows")
        << false << 1e300 << 1e300 << 1.0 << 1.0 << vb::FpFailure::Overflow;
    QTest::newRow("an extreme wind load overflows")
        << false << 3.0 << 2.0 << 1.0 << 1e300 << vb::FpFailure::Overflow;
    QTest::newRow("a mullion so short its square vanishes divides by zero")
        << false << 1e-200 << 2.0 << 1.0 << 1.0 << vb::FpFailure::DivisionByZero;
    QTest::newRow("pane and mullion both vanishing give an undefined ratio")
        << false << 1e-200 << 1e-200 << 1.0 << 1.0 << vb::FpFailure::Invalid;
    QTest::newRow("an extreme transom span overflows")
        << true << 1.0 << 1.0 << 1e300 << 1.0 << vb::FpFailure::Overflow;
    QTest::newRow("an ordinary transom does not fail")
        << true << 1.0 << 1.0 << 1.5 << 1.0 << vb::FpFailure::None;
}

void TestPgm1Calc::failures()
{
    QFETCH(bool, transom);
    QFETCH(double, lp);
    QFETCH(double, ls);
    QFETCH(double, width);
    QFETCH(double, w);
    QFETCH(vb::FpFailure, failure);
    vb::pgm1::Input in;
    in.transom = transom;
    in.lp = lp;
    in.ls = ls;
    in.a = width;
    in.b = width;
    in.memberRatio = 200.0;
    in.edgeRatio = 300.0;
    in.wind = w;
    const vb::pgm1::Result r = vb::pgm1::calculate(in);
    QCOMPARE(r.failure, failure);
}

QTEST_APPLESS_MAIN(TestPgm1Calc)
#include "tst_pgm1calc.moc"
