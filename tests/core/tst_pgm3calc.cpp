#include "core/resultformat.h"
#include "programs/pgm31024/pgm3calc.h"

#include <QtTest/QtTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(vb::FpFailure)
Q_DECLARE_METATYPE(vb::pgm3::SnowRule)

// Inputs as the planner types them; expected texts as the form shows them: the deflections
// of rafter and pane edge in mm with 2 decimals, then I, M and W with 1 decimal.
namespace
{
using vb::pgm3::SnowRule;
const double kNone = std::numeric_limits<double>::quiet_NaN();
std::optional<double> given(double v)
{
    return std::isnan(v) ? std::nullopt : std::optional<double>(v);
}

struct Rafter {
    double lp, a, b, ls, pitch;
    double nP, maxP, nS, maxS; // kNone: the field is empty
    double g, s0, w;
};

vb::pgm3::Input input(const Rafter &r, SnowRule rule)
{
    vb::pgm3::Input in;
    in.snowRule = rule;
    in.lp = r.lp;
    in.a = r.a;
    in.b = r.b;
    in.ls = r.ls;
    in.pitch = r.pitch;
    in.rafterRatio = given(r.nP);
    in.rafterMaxMm = given(r.maxP);
    in.edgeRatio = given(r.nS);
    in.edgeMaxMm = given(r.maxS);
    in.deadLoad = r.g;
    in.snow = r.s0;
    in.wind = r.w;
    return in;
}

// The rafter of the worked examples: LP 4, A = B = 1, LS 2, l/200 for the rafter, 8 mm for
// the pane edge, g 0.5, s0 0.75, w 0.5; only the pitch changes.
Rafter worked(double pitch)
{
    return {4.0, 1.0, 1.0, 2.0, pitch, 200.0, kNone, kNone, 8.0, 0.5, 0.75, 0.5};
}
} // namespace

Q_DECLARE_METATYPE(Rafter)

class TestPgm3Calc : public QObject
{
    Q_OBJECT

private slots:
    void rafter_data();
    void rafter();
    void failures_data();
    void failures();
};

void TestPgm3Calc::rafter_data()
{
    QTest::addColumn<Rafter>("rafter");
    QTest::addColumn<SnowRule>("rule");
    QTest::addColumn<QStringList>("shown"); // Edit16, Edit18, Edit8, Edit11, Edit12

    const QString fP = QStringLiteral("20.00");
    const QString fS = QStringLiteral("5.00");
    // The examples worked by hand for the planners.
    QTest::newRow("a flat roof carries dead load and full snow")
        << worked(0) << SnowRule::Din << QStringList{fP, fS, "297.6", "250.0", "28.4"};
    QTest::newRow("at 15 degrees the dead load grows by 1/cos and the plan shrinks")
        << worked(15) << SnowRule::Din << QStringList{fP, fS, "272.0", "236.5", "26.9"};
    QTest::newRow("at 15 degrees the British rule takes 0.8 of the snow")
        << worked(15) << SnowRule::Bs << QStringList{fP, fS, "239.8", "208.6", "23.7"};
    QTest::newRow("at 28 degrees the wind is not larger than the snow and is halved")
        << worked(28) << SnowRule::Din << QStringList{fP, fS, "318.7", "267.7", "30.4"};
    QTest::newRow("at 40 degrees the German rule reduces the snow to 0.75")
        << worked(40) << SnowRule::Din << QStringList{fP, fS, "244.2", "205.1", "23.3"};
    QTest::newRow("at 40 degrees the British rule reduces the snow to 0.8 times 20/30")
        << worked(40) << SnowRule::Bs << QStringList{fP, fS, "221.5", "186.1", "21.1"};
    QTest::newRow("at 50 degrees snow at 0.5 and full wind act together")
        << worked(50) << SnowRule::Din << QStringList{fP, fS, "262.2", "220.3", "25.0"};
    QTest::newRow("at 30 degrees with all four limits the rafter ratio and maximum tie")
        << Rafter{3.0, 1.2, 1.2, 1.5, 30, 200.0, 15.0, 300.0, 8.0, 0.5, 0.75, 0.6} << SnowRule::Din
        << QStringList{"15.00", "3.75", "165.2", "185.0", "21.0"};

    // The bounds of the pitch ranges.
    QTest::newRow("just below 25 degrees the wind still has no influence")
        << worked(24.9) << SnowRule::Din << QStringList{fP, fS, "231.2", "214.1", "24.3"};
    QTest::newRow("at 25 degrees the wind acts, halved")
        << worked(25) << SnowRule::Din << QStringList{fP, fS, "329.0", "276.3", "31.4"};
    QTest::newRow("at 30 degrees the British rule still takes 0.8")
        << worked(30) << SnowRule::Bs << QStringList{fP, fS, "284.6", "239.1", "27.2"};
    QTest::newRow("at 35 degrees the British reduction has begun")
        << worked(35) << SnowRule::Bs << QStringList{fP, fS, "251.8", "211.5", "24.0"};
    QTest::newRow("at 45 degrees the wind is still halved")
        << worked(45) << SnowRule::Din << QStringList{fP, fS, "214.4", "180.1", "20.5"};
    QTest::newRow("at 46 degrees the wind acts in full")
        << worked(46) << SnowRule::Din << QStringList{fP, fS, "283.2", "237.9", "27.0"};
    QTest::newRow("at 59 degrees the British rule leaves a little snow")
        << worked(59) << SnowRule::Bs << QStringList{fP, fS, "211.4", "177.6", "20.2"};
    QTest::newRow("at 60 degrees the British rule drops the snow")
        << worked(60) << SnowRule::Bs << QStringList{fP, fS, "208.3", "175.0", "19.9"};
    QTest::newRow("at 60 degrees the German rule keeps a quarter of the snow")
        << worked(60) << SnowRule::Din << QStringList{fP, fS, "219.5", "184.4", "21.0"};
    QTest::newRow("at 69 degrees the German rule leaves a little snow")
        << worked(69) << SnowRule::Din << QStringList{fP, fS, "192.0", "161.3", "18.3"};
    QTest::newRow("at 70 degrees the German rule drops the snow")
        << worked(70) << SnowRule::Din << QStringList{fP, fS, "189.5", "159.2", "18.1"};
    QTest::newRow("at 88.9 degrees both rules give the same wall-like rafter")
        << worked(88.9) << SnowRule::Bs << QStringList{fP, fS, "151.1", "126.9", "14.4"};

    // Which of snow and wind is halved.
    QTest::newRow("a wind larger than the snow halves the snow")
        << Rafter{4.0, 1.0, 1.0, 2.0, 30, 200.0, kNone, kNone, 8.0, 0.5, 0.75, 1.0} << SnowRule::Din
        << QStringList{fP, fS, "467.7", "392.9", "44.6"};
    QTest::newRow("snow and wind equal halve the wind")
        << Rafter{4.0, 1.0, 1.0, 2.0, 30, 200.0, kNone, kNone, 8.0, 0.5, 0.6, 0.6} << SnowRule::Din
        << QStringList{fP, fS, "299.5", "251.6", "28.6"};
    QTest::newRow("wind alone on a roof below 25 degrees gives nothing")
        << Rafter{4.0, 1.0, 1.0, 2.0, 20, 200.0, kNone, kNone, 8.0, 0.0, 0.0, 2.0} << SnowRule::Din
        << QStringList{fP, fS, "0.0", "0.0", "0.0"};
    QTest::newRow("wind alone at 80 degrees acts on the whole rafter length")
        << Rafter{4.0, 1.0, 1.0, 2.0, 80, 200.0, kNone, kNone, 8.0, 0.0, 0.0, 0.5} << SnowRule::Din
        << QStringList{fP, fS, "148.8", "125.0", "14.2"};
    QTest::newRow("empty load fields give zero results and the deflections")
        << Rafter{4.0, 1.0, 1.0, 2.0, 40, 200.0, kNone, kNone, 8.0, 0.0, 0.0, 0.0} << SnowRule::Din
        << QStringList{fP, fS, "0.0", "0.0", "0.0"};
    QTest::newRow("a width of 0 on one side halves the other")
        << Rafter{4.0, 0.0, 1.5, 2.0, 50, 200.0, kNone, kNone, 8.0, 0.5, 0.75, 0.5} << SnowRule::Din
        << QStringList{fP, fS, "196.7", "165.2", "18.8"};

    // One limit given, or one governing.
    QTest::newRow("only the rafter ratio: fP is LP over nP")
        << Rafter{4.0, 1.0, 1.0, 2.0, 0, 250.0, kNone, kNone, kNone, 0.5, 0.75, 0.5} << SnowRule::Din
        << QStringList{"16.00", "4.00", "372.0", "250.0", "28.4"};
    QTest::newRow("only the rafter maximum: fP is that maximum")
        << Rafter{4.0, 1.0, 1.0, 2.0, 0, kNone, 12.0, kNone, kNone, 0.5, 0.75, 0.5} << SnowRule::Din
        << QStringList{"12.00", "3.00", "496.0", "250.0", "28.4"};
    QTest::newRow("only the pane-edge ratio: fS is LS over nS")
        << Rafter{4.0, 1.0, 1.0, 2.0, 0, kNone, kNone, 300.0, kNone, 0.5, 0.75, 0.5} << SnowRule::Din
        << QStringList{"26.67", "6.67", "223.2", "250.0", "28.4"};
    QTest::newRow("the rafter maximum governs over the rafter ratio")
        << Rafter{4.0, 1.0, 1.0, 2.0, 0, 200.0, 10.0, kNone, kNone, 0.5, 0.75, 0.5} << SnowRule::Din
        << QStringList{"10.00", "2.50", "595.2", "250.0", "28.4"};
    QTest::newRow("the pane-edge ratio governs over the rafter ratio")
        << Rafter{4.0, 1.0, 1.0, 3.0, 0, 200.0, kNone, 400.0, kNone, 0.5, 0.75, 0.5} << SnowRule::Din
        << QStringList{"13.33", "7.50", "446.4", "250.0", "28.4"};
}

void TestPgm3Calc::rafter()
{
    QFETCH(Rafter, rafter);
    QFETCH(SnowRule, rule);
    QFETCH(QStringList, shown);
    const vb::pgm3::Result r = vb::pgm3::calculate(input(rafter, rule));
    QCOMPARE(r.failure, vb::FpFailure::None);
    const QStringList actual{vb::formatFixed(r.rafterDeflection * 10, 2),
                             vb::formatFixed(r.edgeDeflection * 10, 2),
                             vb::formatFixed(std::abs(r.inertia), 1), vb::formatFixed(r.moment, 1),
                             vb::formatFixed(std::abs(r.sectionModulus), 1)};
    QCOMPARE(actual, shown);
}

void TestPgm3Calc::failures_data()
{
    QTest::addColumn<Rafter>("rafter");
    QTest::addColumn<vb::FpFailure>("failure");

    QTest::newRow("an extreme rafter length overflows")
        << Rafter{1e300, 1.0, 1.0, 1e300, 30, 200.0, kNone, kNone, kNone, 0.5, 0.75, 0.5}
        << vb::FpFailure::Overflow;
    QTest::newRow("an extreme snow load overflows")
        << Rafter{4.0, 1.0, 1.0, 2.0, 0, 200.0, kNone, kNone, kNone, 0.5, 1e308, 0.5}
        << vb::FpFailure::Overflow;
    QTest::newRow("a rafter so short its square vanishes divides by zero")
        << Rafter{1e-200, 1.0, 1.0, 2.0, 0, kNone, kNone, kNone, 8.0, 0.5, 0.75, 0.5}
        << vb::FpFailure::DivisionByZero;
    QTest::newRow("pane and rafter both vanishing give an undefined ratio")
        << Rafter{1e-200, 1.0, 1.0, 1e-200, 0, kNone, kNone, kNone, 8.0, 0.5, 0.75, 0.5}
        << vb::FpFailure::Invalid;
    QTest::newRow("an ordinary steep rafter does not fail") << worked(88.9) << vb::FpFailure::None;
}

void TestPgm3Calc::failures()
{
    QFETCH(Rafter, rafter);
    QFETCH(vb::FpFailure, failure);
    QCOMPARE(vb::pgm3::calculate(input(rafter, SnowRule::Din)).failure, failure);
}

QTEST_APPLESS_MAIN(TestPgm3Calc)
#include "tst_pgm3calc.moc"
