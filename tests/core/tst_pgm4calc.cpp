#include "core/resultformat.h"
#include "programs/pgm41024/pgm4calc.h"

#include <QtTest/QtTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(vb::FpFailure)

// Inputs as the planner types them; expected texts as the form shows them: deflections in
// mm with 2 decimals, Ix, moments and section moduli with 1 decimal, moments signed.
namespace
{
const double kNone = std::numeric_limits<double>::quiet_NaN();
std::optional<double> given(double v)
{
    return std::isnan(v) ? std::nullopt : std::optional<double>(v);
}

struct Limits {
    double memberRatio, memberCapMm, edgeRatio, edgeCapMm;
};
} // namespace
Q_DECLARE_METATYPE(Limits)

class TestPgm4Calc : public QObject
{
    Q_OBJECT

private slots:
    void results_data();
    void results();
    void failures_data();
    void failures();
    void elasticLine_data();
    void elasticLine();
};

void TestPgm4Calc::results_data()
{
    QTest::addColumn<double>("l1");
    QTest::addColumn<double>("l2");
    QTest::addColumn<double>("ls");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<Limits>("limits");
    QTest::addColumn<double>("w");
    // Edit17 mullion, Edit18 glass edge, Edit8 Ix, Edit11 MF, Edit12 Wx(f), Edit3 MS, Edit14 Wx(S)
    QTest::addColumn<QStringList>("shown");

    const Limits all{200, 15, 300, 8};
    QTest::newRow("3 m and 2 m spans under 0.8 kN/m² with all four limits: the worked example")
        << 3.0 << 2.0 << 1.5 << 1.2 << 1.2 << all << 0.8
        << QStringList{"15.00", "3.75", "50.2", "70.1", "8.0", "-84.0", "9.5"};
    QTest::newRow("the spans exchanged give the same results: the longer span governs")
        << 2.0 << 3.0 << 1.5 << 1.2 << 1.2 << all << 0.8
        << QStringList{"15.00", "3.75", "50.2", "70.1", "8.0", "-84.0", "9.5"};
    QTest::newRow("suction turns both moments round and leaves the section values")
        << 3.0 << 2.0 << 1.5 << 1.2 << 1.2 << all << -0.8
        << QStringList{"15.00", "3.75", "50.2", "-70.1", "8.0", "84.0", "9.5"};
    QTest::newRow("a glass-edge maximum of 3 mm governs and raises Ix")
        << 3.0 << 2.0 << 1.5 << 1.2 << 1.2 << Limits{200, 15, 300, 3} << 0.8
        << QStringList{"12.00", "3.00", "62.8", "70.1", "8.0", "-84.0", "9.5"};
    QTest::newRow("a longer pane lets the glass-edge maximum of 8 mm govern")
        << 3.0 << 2.0 << 2.5 << 1.2 << 1.2 << all << 0.8
        << QStringList{"11.52", "8.00", "65.4", "70.1", "8.0", "-84.0", "9.5"};
    QTest::newRow("equal spans of 2.5 m give MS = -qL²/8 and MF = 9qL²/128")
        << 2.5 << 2.5 << 1.5 << 1.2 << 1.2 << Limits{200, kNone, kNone, kNone} << 0.8
        << QStringList{"12.50", "4.50", "21.4", "42.2", "4.8", "-75.0", "8.5"};
    QTest::newRow("only the mullion ratio: fP = Lmax/n, the glass edge fP·(LS/Lmax)²")
        << 2.0 << 3.0 << 2.0 << 1.2 << 1.2 << Limits{200, kNone, kNone, kNone} << 0.8
        << QStringList{"15.00", "6.67", "50.2", "70.1", "8.0", "-84.0", "9.5"};
    QTest::newRow("only the mullion maximum: the cap is the mullion deflection")
        << 3.0 << 2.0 << 1.5 << 1.2 << 1.2 << Limits{kNone, 10, kNone, kNone} << 0.8
        << QStringList{"10.00", "2.50", "75.3", "70.1", "8.0", "-84.0", "9.5"};
    QTest::newRow("LS equal to the longer span with only the glass-edge ratio: both deflections agree")
        << 2.0 << 3.0 << 3.0 << 1.2 << 1.2 << Limits{kNone, kNone, 300, kNone} << 0.8
        << QStringList{"10.00", "10.00", "75.3", "70.1", "8.0", "-84.0", "9.5"};
    QTest::newRow("a field width of 0 on one side halves the load")
        << 3.0 << 2.0 << 1.5 << 0.0 << 1.2 << all << 0.8
        << QStringList{"15.00", "3.75", "25.1", "35.0", "4.0", "-42.0", "4.8"};
    QTest::newRow("no wind: no moment and no Ix, the deflections as usual")
        << 3.0 << 2.0 << 1.5 << 1.2 << 1.2 << all << 0.0
        << QStringList{"15.00", "3.75", "0.0", "0.0", "0.0", "0.0", "0.0"};
    QTest::newRow("a wind load typed as -0 shows no minus zero")
        << 3.0 << 2.0 << 1.5 << 1.2 << 1.2 << all << -0.0
        << QStringList{"15.00", "3.75", "0.0", "0.0", "0.0", "0.0", "0.0"};
}

void TestPgm4Calc::results()
{
    QFETCH(double, l1);
    QFETCH(double, l2);
    QFETCH(double, ls);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(Limits, limits);
    QFETCH(double, w);
    QFETCH(QStringList, shown);
    vb::pgm4::Input in;
    in.l1 = l1;
    in.l2 = l2;
    in.ls = ls;
    in.a = a;
    in.b = b;
    in.memberRatio = given(limits.memberRatio);
    in.memberCapMm = given(limits.memberCapMm);
    in.edgeRatio = given(limits.edgeRatio);
    in.edgeCapMm = given(limits.edgeCapMm);
    in.wind = w;
    const vb::pgm4::Result r = vb::pgm4::calculate(in);
    QCOMPARE(r.failure, vb::FpFailure::None);
    const QStringList actual{vb::formatFixed(r.memberDeflection * 10, 2),
                             vb::formatFixed(r.edgeDeflection * 10, 2),
                             vb::formatFixed(r.inertia, 1),
                             vb::formatFixed(r.spanMoment, 1),
                             vb::formatFixed(r.spanModulus, 1),
                             vb::formatFixed(r.supportMoment, 1),
                             vb::formatFixed(r.supportModulus, 1)};
    QCOMPARE(actual, shown);
}

void TestPgm4Calc::failures_data()
{
    QTest::addColumn<double>("l1");
    QTest::addColumn<double>("l2");
    QTest::addColumn<double>("ls");
    QTest::addColumn<double>("w");
    QTest::addColumn<vb::FpFailure>("failure");

    QTest::newRow("an extreme span overflows") << 1e300 << 2.0 << 1.0 << 0.8 << vb::FpFailure::Overflow;
    QTest::newRow("an extreme wind load overflows") << 3.0 << 2.0 << 1.5 << 1e307 << vb::FpFailure::Overflow;
    QTest::newRow("spans so short their squares vanish divide by zero")
        << 1e-200 << 1e-200 << 1.0 << 0.8 << vb::FpFailure::DivisionByZero;
    QTest::newRow("spans and pane all vanishing give an undefined ratio")
        << 1e-200 << 1e-200 << 1e-200 << 0.8 << vb::FpFailure::Invalid;
    QTest::newRow("an ordinary mullion does not fail") << 3.0 << 2.0 << 1.5 << 0.8 << vb::FpFailure::None;
    QTest::newRow("a very short second span beside a long one does not fail")
        << 10.0 << 0.01 << 1.5 << 0.8 << vb::FpFailure::None;
}

void TestPgm4Calc::failures()
{
    QFETCH(double, l1);
    QFETCH(double, l2);
    QFETCH(double, ls);
    QFETCH(double, w);
    QFETCH(vb::FpFailure, failure);
    vb::pgm4::Input in;
    in.l1 = l1;
    in.l2 = l2;
    in.ls = ls;
    in.a = 1.2;
    in.b = 1.2;
    in.memberRatio = 200.0;
    in.edgeRatio = 300.0;
    in.wind = w;
    const vb::pgm4::Result r = vb::pgm4::calculate(in);
    QCOMPARE(r.failure, failure);
}

// The largest deflection of the longer span, found independently of the closed form: the moment
// line of the two-span beam integrated twice, stepwise, for q = 1 and EI = 1 over l1 = 1, from
// w(0) = 0 with the start slope 0, and the straight line that brings w(1) back to 0 taken off.
double largestDeflectionByIntegration(double ratio)
{
    const double ms = -(1.0 - ratio + ratio * ratio) / 8.0; // support moment, q·l1² = 1
    const double reaction = 0.5 + ms;                       // end support of the longer span
    const int steps = 20000;
    const double h = 1.0 / steps;
    double slope = 0.0;
    double w = 0.0;
    QList<double> line{0.0};
    for (int i = 0; i < steps; ++i) {
        const double x = (i + 0.5) * h;
        const double curvature = -(reaction * x - x * x / 2.0); // EI·w'' = −M, w downwards
        w += slope * h + curvature * h * h / 2.0;
        slope += curvature * h;
        line.append(w);
    }
    double largest = 0.0;
    for (int i = 0; i <= steps; ++i)
        largest = std::max(largest, line[i] - line[steps] * i / double(steps));
    return largest;
}

void TestPgm4Calc::elasticLine_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("factor");
    QTest::newRow("equal spans: 1.083, the deflection q·l⁴/185 against q·l⁴/200") << 1.0 << 1.083;
    QTest::newRow("a second span of half the first: 1.036") << 0.5 << 1.036;
    QTest::newRow("a very short second span acts as a clamped end again: 1.083") << 0.001 << 1.083;
}

void TestPgm4Calc::elasticLine()
{
    QFETCH(double, ratio);
    QFETCH(double, factor);
    const double k = vb::twoSpanDeflectionFactor(ratio);
    QCOMPARE(vb::formatFixed(k, 3), vb::formatFixed(factor, 3));
    const double midSpan = 5.0 * (1.0 - vb::kSupportShare * (1.0 - ratio + ratio * ratio)) / 384.0;
    QVERIFY2(std::abs(k * midSpan / largestDeflectionByIntegration(ratio) - 1.0) < 1e-4,
             "the factor is the elastic line's largest deflection over the mid-span term");

    // What a section must offer for the worked example, from the elastic line itself: the largest
    // deflection c·q·l⁴/(E·I) of the 3 m span beside 2 m equal to fP = 1.5 cm, with q = 0.96 kN/m
    // = 0.0096 kN/cm and l = 300 cm; the form's 14.88 rounds (5/48)·10⁶/7000 by 0.006 %.
    const vb::pgm4::Input in{3.0, 2.0, 1.5, 1.2, 1.2, 200.0, 15.0, 300.0, 8.0, 0.8};
    const vb::pgm4::Result r = vb::pgm4::calculate(in);
    const double byElasticLine =
        largestDeflectionByIntegration(2.0 / 3.0) * 0.0096 * std::pow(300.0, 4) / (7000.0 * 1.5);
    QVERIFY2(std::abs(r.governingInertia / byElasticLine - 1.0) < 2e-4,
             qPrintable(QStringLiteral("%1 against %2").arg(r.governingInertia).arg(byElasticLine)));
}

QTEST_APPLESS_MAIN(TestPgm4Calc)
#include "tst_pgm4calc.moc"
