#include "core/naturalorder.h"

#include <QtTest/QtTest>

// The natural order of position numbers and section names: numbers by their value, letters
// without regard to case.
class TestNaturalOrder : public QObject
{
    Q_OBJECT

private slots:
    void order_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        QTest::newRow("1.2 before 1.10") << "1.2"
                                         << "1.10" << -1;
        QTest::newRow("1.10 before 2.1") << "1.10"
                                         << "2.1" << -1;
        QTest::newRow("2.1 before 10.1") << "2.1"
                                         << "10.1" << -1;
        QTest::newRow("case does not count") << "pos 3"
                                             << "Pos 3" << 0;
        QTest::newRow("letters without case") << "a"
                                              << "B" << -1;
        QTest::newRow("leading zeros") << "007"
                                       << "7" << 0;
        QTest::newRow("a number longer than any integer") << "123456789012345678901234567890"
                                                          << "99" << 1;
        QTest::newRow("a prefix first") << "1"
                                        << "1a" << -1;
        QTest::newRow("empty first") << ""
                                     << "a" << -1;
        QTest::newRow("section sizes") << "50 x 100 x 3"
                                       << "100 x 50 x 3" << -1;
    }
    void order()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        const auto signOf = [](int v) { return (v > 0) - (v < 0); };
        QCOMPARE(signOf(vb::naturalCompare(a, b)), sign);
        QCOMPARE(signOf(vb::naturalCompare(b, a)), -sign);
    }
};

QTEST_APPLESS_MAIN(TestNaturalOrder)
#include "tst_naturalorder.moc"
