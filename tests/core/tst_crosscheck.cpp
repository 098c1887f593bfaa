#include "core/crosscheck.h"

#include <QtCore/QHash>
#include <QtTest/QtTest>

using Values = QHash<QString, double>;
using Compare = vb::CrossCondition::Compare;

class TestCrossCheck : public QObject
{
    Q_OBJECT

private slots:
    void holds_data();
    void holds();
};

void TestCrossCheck::holds_data()
{
    QTest::addColumn<int>("condition"); // 0: LS > LP, 1: LS > larger span, 2: pitch ≥ 89, 3: c > B/2
    QTest::addColumn<Values>("values");
    QTest::addColumn<bool>("expected");
    QTest::newRow("a pane longer than the mullion") << 0 << Values{{"LS", 3.0}, {"LP", 2.0}} << true;
    QTest::newRow("a pane as long as the mullion passes") << 0 << Values{{"LS", 2.0}, {"LP", 2.0}} << false;
    QTest::newRow("an unread mullion counts as 0") << 0 << Values{{"LS", 2.0}, {"LP", 0.0}} << true;
    QTest::newRow("negative lengths compare as their values")
        << 0 << Values{{"LS", -1.0}, {"LP", -3.0}} << true;
    QTest::newRow("a pane within the longer second span passes")
        << 1 << Values{{"LS", 2.5}, {"L1", 2.0}, {"L2", 3.0}} << false;
    QTest::newRow("a pane longer than both spans")
        << 1 << Values{{"LS", 3.01}, {"L1", 3.0}, {"L2", 2.0}} << true;
    QTest::newRow("a pitch of 89° is too steep") << 2 << Values{{"alpha", 89.0}} << true;
    QTest::newRow("a pitch of 88.9° is a roof") << 2 << Values{{"alpha", 88.9}} << false;
    QTest::newRow("setting blocks at mid-span pass") << 3 << Values{{"c", 0.75}, {"B", 1.5}} << false;
    QTest::newRow("setting blocks beyond mid-span cross") << 3 << Values{{"c", 0.76}, {"B", 1.5}} << true;
}

void TestCrossCheck::holds()
{
    QFETCH(int, condition);
    QFETCH(Values, values);
    QFETCH(bool, expected);
    const vb::CrossCondition conditions[] = {
        {.field = "LS", .compare = Compare::Greater, .than = {"LP"}},
        {.field = "LS", .compare = Compare::Greater, .than = {"L1", "L2"}},
        {.field = "alpha", .compare = Compare::AtLeast, .limit = 89.0},
        {.field = "c", .compare = Compare::Greater, .than = {"B"}, .factor = 0.5},
    };
    const auto valueOf = [&values](const char *name) { return values.value(QLatin1String(name)); };
    QCOMPARE(vb::conditionHolds(conditions[condition], valueOf), expected);
}

QTEST_APPLESS_MAIN(TestCrossCheck)
#include "tst_crosscheck.moc"
