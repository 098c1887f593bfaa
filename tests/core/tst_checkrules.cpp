#include "core/checkrules.h"

#include <QtTest/QtTest>

using vb::Rule;

Q_DECLARE_METATYPE(vb::Rule)

class TestCheckRules : public QObject
{
    Q_OBJECT

private slots:
    void singleField_data();
    void singleField();
    void pair_data();
    void pair();
    void group_data();
    void group();
};

void TestCheckRules::singleField_data()
{
    QTest::addColumn<vb::Rule>("rule");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("resetText");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<QString>("newText"); // "<kept>" when the text stays
    QTest::addColumn<int>("failures");
    QTest::addColumn<double>("value");

    const QString kept = QStringLiteral("<kept>");
    QTest::newRow("positive passes a positive length") << Rule::Positive << "3"
                                                       << "" << false << kept << 0 << 3.0;
    QTest::newRow("positive refuses zero") << Rule::Positive << "0"
                                           << "" << true << "0" << 1 << 0.0;
    QTest::newRow("positive refuses a negative length") << Rule::Positive << "-2"
                                                        << "" << true << "0" << 1 << 0.0;
    QTest::newRow("positive refuses the empty field") << Rule::Positive << ""
                                                      << "" << true << "0" << 1 << 0.0;
    QTest::newRow("positive refuses a trailing blank") << Rule::Positive << "2.5 "
                                                       << "" << true << "0" << 1 << 0.0;
    QTest::newRow("non-negative passes zero") << Rule::NonNegative << "0"
                                              << "" << false << kept << 0 << 0.0;
    QTest::newRow("non-negative refuses minus one") << Rule::NonNegative << "-1"
                                                    << "" << true << "0" << 1 << 0.0;
    QTest::newRow("number passes suction") << Rule::Number << "-0.8"
                                           << "" << false << kept << 0 << -0.8;
    QTest::newRow("number passes zero wind") << Rule::Number << "0"
                                             << "" << false << kept << 0 << 0.0;
    QTest::newRow("number empties a letter when its reset text is empty") << Rule::Number << "abc"
                                                                          << "" << true << "" << 1 << 0.0;
    QTest::newRow("number resets to 0 when its reset text is 0") << Rule::Number << "1,5"
                                                                 << "0" << true << "0" << 1 << 0.0;
    QTest::newRow("optional passes an empty field unmarked") << Rule::Optional << ""
                                                             << "" << false << "" << 0 << 0.0;
    QTest::newRow("optional empties a text that does not read") << Rule::Optional << "x"
                                                                << "" << false << "" << 0 << 0.0;
    QTest::newRow("optional passes zero") << Rule::Optional << "0"
                                          << "" << false << kept << 0 << 0.0;
    QTest::newRow("optional passes a value") << Rule::Optional << "1.5"
                                             << "" << false << kept << 0 << 1.5;
    QTest::newRow("optional refuses a negative value") << Rule::Optional << "-1"
                                                       << "" << true << "0" << 1 << 0.0;
}

void TestCheckRules::singleField()
{
    QFETCH(vb::Rule, rule);
    QFETCH(QString, text);
    QFETCH(QString, resetText);
    QFETCH(bool, marked);
    QFETCH(QString, newText);
    QFETCH(int, failures);
    QFETCH(double, value);
    const vb::FieldCheck check = vb::checkField(rule, text, resetText);
    QCOMPARE(check.marked, marked);
    QCOMPARE(check.failures, failures);
    QCOMPARE(check.value, value);
    if (newText == QLatin1String("<kept>"))
        QVERIFY(!check.text.has_value());
    else
        QCOMPARE(check.text.value_or(QStringLiteral("<kept>")), newText);
}

void TestCheckRules::pair_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<bool>>("marked");
    QTest::addColumn<bool>("nonePositive");
    QTest::addColumn<int>("failures");

    QTest::newRow("both widths given pass")
        << QStringList{"1.2", "1.2"} << QList<bool>{false, false} << false << 0;
    QTest::newRow("one width of 0 is accepted")
        << QStringList{"0", "1.5"} << QList<bool>{false, false} << false << 0;
    QTest::newRow("both widths 0 mark both once")
        << QStringList{"0", "0"} << QList<bool>{false, false} << true << 1;
    QTest::newRow("a negative width is marked beside a good one")
        << QStringList{"-1", "1.5"} << QList<bool>{true, false} << false << 1;
    QTest::newRow("a negative width and a zero width count twice")
        << QStringList{"-1", "0"} << QList<bool>{true, false} << true << 2;
    QTest::newRow("two unreadable widths count three times")
        << QStringList{"a", ""} << QList<bool>{true, true} << true << 3;
    QTest::newRow("a single transom span of 0 counts once")
        << QStringList{"0"} << QList<bool>{false} << true << 1;
}

void TestCheckRules::pair()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<bool>, marked);
    QFETCH(bool, nonePositive);
    QFETCH(int, failures);
    const vb::PairCheck check = vb::checkPair(texts);
    QCOMPARE(check.members.size(), marked.size());
    for (qsizetype i = 0; i < marked.size(); ++i)
        QCOMPARE(check.members[i].marked, marked[i]);
    QCOMPARE(check.nonePositive, nonePositive);
    QCOMPARE(check.failures, failures);
}

void TestCheckRules::group_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("allowZero");
    QTest::addColumn<QList<bool>>("usable");
    QTest::addColumn<QList<bool>>("failed");
    QTest::addColumn<bool>("noneUsable");
    QTest::addColumn<int>("failures");

    QTest::newRow("one limit of four is enough")
        << QStringList{"200", "", "", ""} << false << QList<bool>{true, false, false, false}
        << QList<bool>{false, false, false, false} << false << 0;
    QTest::newRow("a pasted comma fails its field also when a cap is given")
        << QStringList{"12,5", "15", "", ""} << false << QList<bool>{false, true, false, false}
        << QList<bool>{true, false, false, false} << false << 1;
    QTest::newRow("a letter in a cap fails beside a usable ratio")
        << QStringList{"200", "", "", "8mm"} << false << QList<bool>{true, false, false, false}
        << QList<bool>{false, false, false, true} << false << 1;
    QTest::newRow("no limit at all fails the group")
        << QStringList{"", "", "", ""} << false << QList<bool>{false, false, false, false}
        << QList<bool>{false, false, false, false} << true << 1;
    QTest::newRow("blanks are no limit, like the empty text")
        << QStringList{"  ", "300"} << false << QList<bool>{false, true} << QList<bool>{false, false} << false
        << 0;
    QTest::newRow("zero is no limit and no failure of its own")
        << QStringList{"0", "0"} << false << QList<bool>{false, false} << QList<bool>{false, false} << true
        << 1;
    QTest::newRow("zero counts where the bound allows it")
        << QStringList{"0", ""} << true << QList<bool>{true, false} << QList<bool>{false, false} << false
        << 0;
    QTest::newRow("negative limits fail each and the group")
        << QStringList{"-300", "-3"} << false << QList<bool>{false, false} << QList<bool>{true, true} << true
        << 3;
}

void TestCheckRules::group()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, allowZero);
    QFETCH(QList<bool>, usable);
    QFETCH(QList<bool>, failed);
    QFETCH(bool, noneUsable);
    QFETCH(int, failures);
    const vb::GroupCheck check = vb::checkGroup(texts, allowZero);
    QCOMPARE(check.usable.size(), usable.size());
    for (qsizetype i = 0; i < usable.size(); ++i)
        QCOMPARE(check.usable[i].has_value(), usable[i]);
    QCOMPARE(check.failed, failed);
    QCOMPARE(check.noneUsable, noneUsable);
    QCOMPARE(check.failures, failures);
}

QTEST_APPLESS_MAIN(TestCheckRules)
#include "tst_checkrules.moc"
