#include "core/resultformat.h"
#include "programs/pgm21024/pgm2calc.h"

#include <QtTest/QtTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(vb::FpFailure)

// Inputs as the planner types them; expected texts as the form shows them (moment, section
// modulus and second moment of area with 1 decimal, the allowable deflection in mm with 2).
namespace
{
const double kNone = std::numeric_limits<double>::quiet_NaN();
std::optional<double> given(double v)
{
    return std::isnan(v) ? std::nullopt : std::optional<double>(v);
}

vb::pgm2::Input mullion(double lp, double a, double b, double n, double capMm, double c, double qk)
{
    vb::pgm2::Input in;
    in.lp = lp;
    in.a = a;
    in.b = b;
    in.ratio = given(n);
    in.capMm = given(capMm);
    in.c = c;
    in.qk = qk;
    return in;
}
} // namespace

class TestPgm2Calc : public QObject
{
    Q_OBJECT

private slots:
    void results_data();
    void results();
    void inertiaMatchesTheClosedForm_data();
    void inertiaMatchesTheClosedForm();
    void loadAtOrAboveTheTop_data();
    void loadAtOrAboveTheTop();
    void failures_data();
    void failures();
};

void TestPgm2Calc::results_data()
{
    QTest::addColumn<double>("lp");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("capMm");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("qk");
    QTest::addColumn<QStringList>("shown"); // Edit11, Edit12, Edit8, Edit10

    QTest::newRow("mullion 3 m, barrier load 1 kN/m at 1 m: the worked example")
        << 3.0 << 1.2 << 1.2 << 200.0 << 15.0 << 1.0 << 1.0 << QStringList{"80.0", "9.1", "55.3", "15.00"};
    QTest::newRow("the load at 2 m gives the same results, the beam being symmetric")
        << 3.0 << 1.2 << 1.2 << 200.0 << 15.0 << 2.0 << 1.0 << QStringList{"80.0", "9.1", "55.3", "15.00"};
    QTest::newRow("the load at mid-height takes the mid-span formula")
        << 3.0 << 1.2 << 1.2 << 200.0 << 15.0 << 1.5 << 1.0 << QStringList{"90.0", "10.2", "64.3", "15.00"};
    QTest::newRow("only the ratio given: l/200 of 3 m is 15 mm")
        << 3.0 << 1.2 << 1.2 << 200.0 << kNone << 1.0 << 1.0 << QStringList{"80.0", "9.1", "55.3", "15.00"};
    QTest::newRow("only the 10 mm maximum given governs alone")
        << 3.0 << 1.2 << 1.2 << kNone << 10.0 << 1.0 << 1.0 << QStringList{"80.0", "9.1", "82.9", "10.00"};
    QTest::newRow("both limits given: the 10 mm maximum is smaller than l/200")
        << 3.0 << 1.2 << 1.2 << 200.0 << 10.0 << 1.0 << 1.0 << QStringList{"80.0", "9.1", "82.9", "10.00"};
    QTest::newRow("both limits given: l/300 is smaller than the 15 mm maximum")
        << 3.0 << 1.2 << 1.2 << 300.0 << 15.0 << 1.0 << 1.0 << QStringList{"80.0", "9.1", "82.9", "10.00"};
    QTest::newRow("field A of 0 leaves half of field B on the mullion")
        << 3.0 << 0.0 << 1.2 << 200.0 << kNone << 1.0 << 1.0 << QStringList{"40.0", "4.5", "27.6", "15.00"};
    QTest::newRow("field B of 0 leaves half of field A on the mullion")
        << 3.0 << 1.2 << 0.0 << 200.0 << kNone << 1.0 << 1.0 << QStringList{"40.0", "4.5", "27.6", "15.00"};
    QTest::newRow("escape route 2 kN/m on a 3.5 m mullion with its handrail at 1.1 m")
        << 3.5 << 1.35 << 1.35 << 200.0 << 15.0 << 1.1 << 2.0
        << QStringList{"203.7", "23.1", "190.2", "15.00"};
}

void TestPgm2Calc::results()
{
    QFETCH(double, lp);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, n);
    QFETCH(double, capMm);
    QFETCH(double, c);
    QFETCH(double, qk);
    QFETCH(QStringList, shown);
    const vb::pgm2::Result r = vb::pgm2::calculate(mullion(lp, a, b, n, capMm, c, qk));
    QCOMPARE(r.failure, vb::FpFailure::None);
    const QStringList actual{vb::formatFixed(r.moment, 1), vb::formatFixed(r.sectionModulus, 1),
                             vb::formatFixed(r.inertia, 1), vb::formatFixed(r.allowedDeflection * 10.0, 2)};
    QCOMPARE(actual, shown);
}

void TestPgm2Calc::inertiaMatchesTheClosedForm_data()
{
    QTest::addColumn<double>("c");
    QTest::newRow("load low on the mullion") << 0.3;
    QTest::newRow("load at the usual handrail height") << 1.0;
    QTest::newRow("load just below mid-height") << 1.49;
    QTest::newRow("load at mid-height") << 1.5;
    QTest::newRow("load just above mid-height") << 1.51;
    QTest::newRow("load high on the mullion") << 2.7;
}

void TestPgm2Calc::inertiaMatchesTheClosedForm()
{
    // Largest deflection of a simply supported beam under a point load P at distance s from
    // the nearer support: P·s·(l² − s²)^(3/2) / (9·√3·E·I·l); at mid-span P·l³ / (48·E·I).
    QFETCH(double, c);
    const double lp = 3.0;
    const vb::pgm2::Result r = vb::pgm2::calculate(mullion(lp, 1.2, 1.2, 200.0, kNone, c, 1.0));
    QCOMPARE(r.failure, vb::FpFailure::None);
    const double p = 1.2;
    const double l = 100.0 * lp;
    const double s = 100.0 * std::min(c, lp - c);
    const double fzul = 1.5;
    const double expected = p * s * std::pow(l * l - s * s, 1.5) / (9.0 * std::sqrt(3.0) * 7000.0 * fzul * l);
    QVERIFY2(std::abs(r.inertia - expected) < 1e-9 * expected,
             qPrintable(QStringLiteral("I = %1, expected %2").arg(r.inertia).arg(expected)));
    // The moment is P·c·b / LP in kNcm.
    QVERIFY(std::abs(r.moment - p * 100.0 * c * (lp - c) / lp) < 1e-9);
}

void TestPgm2Calc::loadAtOrAboveTheTop_data()
{
    // The form rejects a load height at or above the top of the mullion; these are the
    // reasons: the arithmetic fails there or gives a moment against the load.
    QTest::addColumn<double>("c");
    QTest::addColumn<vb::FpFailure>("failure");
    QTest::addColumn<bool>("negativeMoment");
    QTest::newRow("a load at the top support divides by zero")
        << 3.0 << vb::FpFailure::DivisionByZero << false;
    QTest::newRow("a load just above the mullion turns the moment negative")
        << 4.0 << vb::FpFailure::None << true;
    QTest::newRow("a load far above the mullion takes the root of a negative number")
        << 10.0 << vb::FpFailure::Invalid << false;
}

void TestPgm2Calc::loadAtOrAboveTheTop()
{
    QFETCH(double, c);
    QFETCH(vb::FpFailure, failure);
    QFETCH(bool, negativeMoment);
    const vb::pgm2::Result r = vb::pgm2::calculate(mullion(3.0, 1.2, 1.2, 200.0, kNone, c, 1.0));
    QCOMPARE(r.failure, failure);
    if (negativeMoment)
        QVERIFY(r.moment < 0);
}

void TestPgm2Calc::failures_data()
{
    QTest::addColumn<double>("lp");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("qk");
    QTest::addColumn<double>("capMm");
    QTest::addColumn<vb::FpFailure>("failure");
    QTest::newRow("an extreme mullion length overflows")
        << 1e300 << 1.0 << 1.0 << 15.0 << vb::FpFailure::Overflow;
    QTest::newRow("an extreme barrier load overflows")
        << 3.0 << 1.0 << 1e308 << 15.0 << vb::FpFailure::Overflow;
    QTest::newRow("a maximum deflection so small it vanishes in cm divides by zero")
        << 3.0 << 1.0 << 1.0 << 5e-324 << vb::FpFailure::DivisionByZero;
    QTest::newRow("a 100 m mullion under 100 kN/m does not fail")
        << 100.0 << 1.0 << 100.0 << 0.1 << vb::FpFailure::None;
}

void TestPgm2Calc::failures()
{
    QFETCH(double, lp);
    QFETCH(double, c);
    QFETCH(double, qk);
    QFETCH(double, capMm);
    QFETCH(vb::FpFailure, failure);
    const vb::pgm2::Result r = vb::pgm2::calculate(mullion(lp, 1.2, 1.2, kNone, capMm, c, qk));
    QCOMPARE(r.failure, failure);
}

QTEST_APPLESS_MAIN(TestPgm2Calc)
#include "tst_pgm2calc.moc"
