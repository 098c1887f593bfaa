#include "core/rafterloads.h"
#include "core/resultformat.h"
#include "programs/pgm51024/pgm5calc.h"

#include <QtTest/QtTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(vb::FpFailure)

// Inputs as the planner types them; expected texts as the form shows them (moments, I and
// W with 1 decimal, I and W as magnitudes; deflections in mm with 2 decimals).
namespace
{
const double kNone = std::numeric_limits<double>::quiet_NaN();
std::optional<double> given(double v)
{
    return std::isnan(v) ? std::nullopt : std::optional<double>(v);
}

// The roof field of the worked examples: L1 = 3.0, L2 = 2.5, LS = 1.5, A = B = 1.2, limits
// l/200 and 15 mm for the rafter, l/300 and 8 mm for the glass edge (fP = 1.5 cm, fS = 0.375 cm).
vb::pgm5::Input roofField(double pitch, bool bs, double g, double s0, double w)
{
    vb::pgm5::Input in;
    in.snowRule = bs ? vb::rafter::SnowRule::Bs : vb::rafter::SnowRule::Din;
    in.l1 = 3.0;
    in.l2 = 2.5;
    in.ls = 1.5;
    in.a = 1.2;
    in.b = 1.2;
    in.pitch = pitch;
    in.rafterRatio = 200.0;
    in.rafterCapMm = 15.0;
    in.edgeRatio = 300.0;
    in.edgeCapMm = 8.0;
    in.dead = g;
    in.snow = s0;
    in.wind = w;
    return in;
}

// Edit11, Edit17, Edit8, Edit12, Edit18 as the form writes them.
QStringList shownMoments(const vb::pgm5::Result &r)
{
    return {vb::formatFixed(r.spanMoment, 1), vb::formatFixed(r.supportMoment, 1),
            vb::formatFixed(r.inertia, 1), vb::formatFixed(r.spanModulus, 1),
            vb::formatFixed(r.supportModulus, 1)};
}
} // namespace

class TestPgm5Calc : public QObject
{
    Q_OBJECT

private slots:
    void byPitchAndSnowRule_data();
    void byPitchAndSnowRule();
    void deflectionLimits_data();
    void deflectionLimits();
    void noLoadNoResult_data();
    void noLoadNoResult();
    void halvingOfSnowOrWind_data();
    void halvingOfSnowOrWind();
    void extremeInputsReportAFailure_data();
    void extremeInputsReportAFailure();
};

void TestPgm5Calc::byPitchAndSnowRule_data()
{
    QTest::addColumn<double>("l1");
    QTest::addColumn<double>("l2");
    QTest::addColumn<double>("pitch");
    QTest::addColumn<bool>("bs");
    QTest::addColumn<double>("g");
    QTest::addColumn<double>("s0");
    QTest::addColumn<double>("w");
    QTest::addColumn<QStringList>("shown"); // MF, MS, Ix, Wx(f), Wx(S)

    QTest::newRow("15 degrees with the DIN rule: the worked example")
        << 3.0 << 2.5 << 15.0 << false << 0.5 << 0.75 << 0.8
        << QStringList{"98.3", "-137.5", "62.5", "11.2", "15.6"};
    QTest::newRow("15 degrees with the BS rule takes 0.8 of the snow")
        << 3.0 << 2.5 << 15.0 << true << 0.5 << 0.75 << 0.8
        << QStringList{"86.7", "-121.2", "55.1", "9.9", "13.8"};
    QTest::newRow("below 25 degrees the wind does not count")
        << 3.0 << 2.5 << 15.0 << false << 0.5 << 0.75 << 5.0
        << QStringList{"98.3", "-137.5", "62.5", "11.2", "15.6"};
    QTest::newRow("flat roof with the DIN rule") << 3.0 << 2.5 << 0.0 << false << 0.5 << 0.75 << 0.8
                                                 << QStringList{"103.9", "-145.3", "70.7", "11.8", "16.5"};
    QTest::newRow("24.9 degrees still ignores the wind")
        << 3.0 << 2.5 << 24.9 << false << 0.5 << 0.75 << 0.8
        << QStringList{"89.0", "-124.5", "49.8", "10.1", "14.1"};
    QTest::newRow("25 degrees counts the wind: the results jump")
        << 3.0 << 2.5 << 25.0 << false << 0.5 << 0.75 << 0.8
        << QStringList{"146.4", "-204.7", "85.4", "16.6", "23.3"};
    QTest::newRow("30 degrees with the DIN rule keeps the full snow")
        << 3.0 << 2.5 << 30.0 << false << 0.5 << 0.75 << 0.8
        << QStringList{"142.5", "-199.3", "78.8", "16.2", "22.6"};
    QTest::newRow("30 degrees with the BS rule keeps 0.8 of the snow")
        << 3.0 << 2.5 << 30.0 << true << 0.5 << 0.75 << 0.8
        << QStringList{"137.8", "-192.7", "76.1", "15.7", "21.9"};
    QTest::newRow("35 degrees with the DIN rule: snow halved, ks 0.875")
        << 3.0 << 2.5 << 35.0 << false << 0.5 << 0.75 << 0.8
        << QStringList{"135.5", "-189.5", "71.0", "15.4", "21.5"};
    QTest::newRow("35 degrees with the BS rule: snow halved, mu 0.6667")
        << 3.0 << 2.5 << 35.0 << true << 0.5 << 0.75 << 0.8
        << QStringList{"131.1", "-183.4", "68.6", "14.9", "20.8"};
    QTest::newRow("35 degrees with L1 and L2 exchanged gives the same results")
        << 2.5 << 3.0 << 35.0 << false << 0.5 << 0.75 << 0.8
        << QStringList{"135.5", "-189.5", "71.0", "15.4", "21.5"};
    QTest::newRow("45 degrees still halves the snow")
        << 3.0 << 2.5 << 45.0 << false << 0.5 << 0.75 << 0.8
        << QStringList{"122.3", "-171.0", "58.9", "13.9", "19.4"};
    QTest::newRow("46 degrees halves nothing") << 3.0 << 2.5 << 46.0 << false << 0.5 << 0.75 << 0.8
                                               << QStringList{"130.1", "-181.9", "62.2", "14.8", "20.7"};
    QTest::newRow("50 degrees with the DIN rule: ks 0.5")
        << 3.0 << 2.5 << 50.0 << false << 0.5 << 0.75 << 0.8
        << QStringList{"122.7", "-171.6", "57.8", "13.9", "19.5"};
    QTest::newRow("50 degrees with the BS rule: mu 0.2667")
        << 3.0 << 2.5 << 50.0 << true << 0.5 << 0.75 << 0.8
        << QStringList{"116.7", "-163.2", "55.2", "13.3", "18.5"};
    QTest::newRow("60 degrees with the BS rule drops the snow")
        << 3.0 << 2.5 << 60.0 << true << 0.5 << 0.75 << 0.8
        << QStringList{"103.9", "-145.3", "50.9", "11.8", "16.5"};
    QTest::newRow("65 degrees with the DIN rule keeps some snow")
        << 3.0 << 2.5 << 65.0 << false << 0.5 << 0.75 << 0.8
        << QStringList{"102.1", "-142.8", "51.9", "11.6", "16.2"};
    QTest::newRow("70 degrees with the DIN rule drops the snow")
        << 3.0 << 2.5 << 70.0 << false << 0.5 << 0.75 << 0.8
        << QStringList{"97.3", "-136.1", "52.5", "11.1", "15.5"};
    QTest::newRow("88.9 degrees: both rules without snow agree")
        << 3.0 << 2.5 << 88.9 << true << 0.5 << 0.75 << 0.8
        << QStringList{"83.9", "-117.4", "56.6", "9.5", "13.3"};
    QTest::newRow("wind alone from 25 degrees gives results")
        << 3.0 << 2.5 << 40.0 << false << 0.0 << 0.0 << 0.7
        << QStringList{"72.7", "-101.7", "35.4", "8.3", "11.6"};
    QTest::newRow("dead load alone on a steep roof") << 3.0 << 2.5 << 80.0 << false << 0.5 << 0.0 << 0.0
                                                     << QStringList{"7.2", "-10.1", "0.9", "0.8", "1.1"};
}

void TestPgm5Calc::byPitchAndSnowRule()
{
    QFETCH(double, l1);
    QFETCH(double, l2);
    QFETCH(double, pitch);
    QFETCH(bool, bs);
    QFETCH(double, g);
    QFETCH(double, s0);
    QFETCH(double, w);
    QFETCH(QStringList, shown);
    vb::pgm5::Input in = roofField(pitch, bs, g, s0, w);
    in.l1 = l1;
    in.l2 = l2;
    const vb::pgm5::Result r = vb::pgm5::calculate(in);
    QCOMPARE(r.failure, vb::FpFailure::None);
    QVERIFY(r.loaded);
    QCOMPARE(shownMoments(r), shown);
    QCOMPARE(vb::formatFixed(r.rafterDeflection * 10.0, 2), QStringLiteral("15.00"));
    QCOMPARE(vb::formatFixed(r.edgeDeflection * 10.0, 2), QStringLiteral("3.75"));
}

void TestPgm5Calc::deflectionLimits_data()
{
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("c1");
    QTest::addColumn<double>("n2");
    QTest::addColumn<double>("c2");
    QTest::addColumn<QStringList>("shown"); // Edit20 (rafter), Edit21 (glass edge) [mm]

    QTest::newRow("the rafter ratio alone: l/200 of the longer rafter")
        << 200.0 << kNone << kNone << kNone << QStringList{"15.00", "3.75"};
    QTest::newRow("the 10 mm cap of the rafter governs over l/200")
        << 200.0 << 10.0 << kNone << kNone << QStringList{"10.00", "2.50"};
    QTest::newRow("the glass-edge ratio governs over the rafter limits")
        << 200.0 << 15.0 << 1000.0 << kNone << QStringList{"6.00", "1.50"};
    QTest::newRow("the glass-edge cap alone")
        << kNone << kNone << kNone << 2.0 << QStringList{"8.00", "2.00"};
}

void TestPgm5Calc::deflectionLimits()
{
    QFETCH(double, n1);
    QFETCH(double, c1);
    QFETCH(double, n2);
    QFETCH(double, c2);
    QFETCH(QStringList, shown);
    vb::pgm5::Input in = roofField(15.0, false, 0.5, 0.75, 0.8);
    in.rafterRatio = given(n1);
    in.rafterCapMm = given(c1);
    in.edgeRatio = given(n2);
    in.edgeCapMm = given(c2);
    const vb::pgm5::Result r = vb::pgm5::calculate(in);
    QCOMPARE(r.failure, vb::FpFailure::None);
    QCOMPARE((QStringList{vb::formatFixed(r.rafterDeflection * 10.0, 2),
                          vb::formatFixed(r.edgeDeflection * 10.0, 2)}),
             shown);
}

void TestPgm5Calc::noLoadNoResult_data()
{
    QTest::addColumn<double>("pitch");
    QTest::addColumn<bool>("bs");
    QTest::addColumn<double>("g");
    QTest::addColumn<double>("s0");
    QTest::addColumn<double>("w");

    QTest::newRow("all loads zero on a flat roof") << 0.0 << false << 0.0 << 0.0 << 0.0;
    QTest::newRow("all loads zero on a steep roof") << 50.0 << true << 0.0 << 0.0 << 0.0;
    QTest::newRow("only wind below 25 degrees") << 24.9 << false << 0.0 << 0.0 << 0.8;
    QTest::newRow("only snow from 70 degrees with the DIN rule") << 70.0 << false << 0.0 << 0.75 << 0.0;
    QTest::newRow("only snow from 60 degrees with the BS rule") << 60.0 << true << 0.0 << 0.75 << 0.0;
}

void TestPgm5Calc::noLoadNoResult()
{
    QFETCH(double, pitch);
    QFETCH(bool, bs);
    QFETCH(double, g);
    QFETCH(double, s0);
    QFETCH(double, w);
    const vb::pgm5::Result r = vb::pgm5::calculate(roofField(pitch, bs, g, s0, w));
    QCOMPARE(r.failure, vb::FpFailure::None);
    QVERIFY(!r.loaded);
}

void TestPgm5Calc::halvingOfSnowOrWind_data()
{
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("s0");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("snow"); // as it enters the rafter, before the snow coefficient
    QTest::addColumn<double>("wind");

    QTest::newRow("wind larger than snow halves the snow") << 35.0 << 0.75 << 0.8 << 0.375 << 0.8;
    QTest::newRow("snow larger than wind halves the wind") << 35.0 << 0.75 << 0.5 << 0.75 << 0.25;
    QTest::newRow("snow equal to wind halves the wind") << 35.0 << 0.75 << 0.75 << 0.75 << 0.375;
    QTest::newRow("at 25 degrees one of them is halved") << 25.0 << 0.75 << 0.5 << 0.75 << 0.25;
    QTest::newRow("above 45 degrees nothing is halved") << 45.5 << 0.75 << 0.8 << 0.75 << 0.8;
    QTest::newRow("below 25 degrees the wind drops out") << 20.0 << 0.75 << 0.8 << 0.75 << 0.0;
}

void TestPgm5Calc::halvingOfSnowOrWind()
{
    QFETCH(double, pitch);
    QFETCH(double, s0);
    QFETCH(double, w);
    QFETCH(double, snow);
    QFETCH(double, wind);
    for (const auto rule : {vb::rafter::SnowRule::Din, vb::rafter::SnowRule::Bs}) {
        const vb::rafter::PitchLoads loads = vb::rafter::loadsAtPitch(pitch, s0, w, rule);
        QCOMPARE(loads.snow, snow);
        QCOMPARE(loads.wind, wind);
    }
}

void TestPgm5Calc::extremeInputsReportAFailure_data()
{
    QTest::addColumn<double>("l1");
    QTest::addColumn<double>("ls");
    QTest::addColumn<double>("g");

    QTest::newRow("a dead load beyond any range overflows") << 3.0 << 1.5 << 1.0e306;
    QTest::newRow("a rafter of 1e200 m overflows") << 1.0e200 << 1.5 << 0.5;
    QTest::newRow("a pane of 1e-200 m against a 3 m rafter divides by zero") << 3.0 << 1.0e-200 << 0.5;
}

void TestPgm5Calc::extremeInputsReportAFailure()
{
    QFETCH(double, l1);
    QFETCH(double, ls);
    QFETCH(double, g);
    vb::pgm5::Input in = roofField(15.0, false, g, 0.75, 0.8);
    in.l1 = l1;
    in.ls = ls;
    const vb::pgm5::Result r = vb::pgm5::calculate(in);
    QVERIFY(r.failure != vb::FpFailure::None);
}

QTEST_APPLESS_MAIN(TestPgm5Calc)
#include "tst_pgm5calc.moc"
