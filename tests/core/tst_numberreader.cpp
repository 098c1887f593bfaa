#include "core/numberreader.h"
#include "core/resultformat.h"

#include <QtTest/QtTest>

#include <cmath>
#include <limits>

class TestNumberReader : public QObject
{
    Q_OBJECT

private slots:
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void format_data();
    void format();
};

void TestNumberReader::accepted_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("a plain integer") << "3" << 3.0;
    QTest::newRow("a decimal with a point") << "2.5" << 2.5;
    QTest::newRow("leading blanks are skipped") << "   2.5" << 2.5;
    QTest::newRow("a leading plus") << "+1.2" << 1.2;
    QTest::newRow("suction is negative") << "-0.8" << -0.8;
    QTest::newRow("no digits before the point") << ".5" << 0.5;
    QTest::newRow("no digits after the point") << "5." << 5.0;
    QTest::newRow("a lone point reads as 0") << "." << 0.0;
    QTest::newRow("an exponent") << "1.5e3" << 1500.0;
    QTest::newRow("a capital exponent with sign") << "25E-1" << 2.5;
    QTest::newRow("an exponent with plus") << "2e+2" << 200.0;
    QTest::newRow("point and exponent without fraction") << "3.e1" << 30.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("the largest double reads")
        << "1.7976931348623157e308" << std::numeric_limits<double>::max();
    QTest::newRow("an extreme but finite value") << "1e300" << 1e300;
    QTest::newRow("a value too small for a double is 0") << "1e-400" << 0.0;
    QTest::newRow("many fraction digits") << "0.1000000000000000000000000001" << 0.1;
}

void TestNumberReader::accepted()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const std::optional<double> read = vb::readNumber(text);
    QVERIFY2(read.has_value(), qPrintable(text));
    QCOMPARE(*read, value);
}

void TestNumberReader::refused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("the empty text") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("a trailing blank") << "2.5 ";
    QTest::newRow("a comma") << "2,5";
    QTest::newRow("a sign alone") << "-";
    QTest::newRow("a letter") << "x";
    QTest::newRow("an exponent without digits") << "5e";
    QTest::newRow("an exponent sign without digits") << "5e-";
    QTest::newRow("an exponent alone") << "e5";
    QTest::newRow("two points") << "1.2.3";
    QTest::newRow("two signs") << "--1";
    QTest::newRow("a blank after the sign") << "- 1";
    QTest::newRow("infinity") << "inf";
    QTest::newRow("not a number") << "nan";
    QTest::newRow("hexadecimal") << "0x10";
    QTest::newRow("a thousands separator") << "1'000";
    QTest::newRow("a unit behind the number") << "3m";
    QTest::newRow("a tab before the number") << "\t3";
    QTest::newRow("a value too large for a double") << "1e309";
    QTest::newRow("a long overflowing mantissa") << QString(400, QChar('9'));
    QTest::newRow("a non-ASCII digit") << QString::fromUtf8("٣");
    QTest::newRow("a superscript") << QString::fromUtf8("2²");
}

void TestNumberReader::refused()
{
    QFETCH(QString, text);
    QVERIFY2(!vb::readNumber(text).has_value(), qPrintable(text));
}

void TestNumberReader::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero with one decimal") << 0.0 << 1 << "0.0";
    QTest::newRow("zero with two decimals") << 0.0 << 2 << "0.00";
    QTest::newRow("a half rounds away from zero") << 0.25 << 1 << "0.3";
    QTest::newRow("a negative half rounds away from zero") << -0.25 << 1 << "-0.3";
    QTest::newRow("0.15 rounds up as it is read") << 0.15 << 1 << "0.2";
    QTest::newRow("1.005 rounds up with two decimals") << 1.005 << 2 << "1.01";
    QTest::newRow("thousands without separator") << 1234.56 << 1 << "1234.6";
    QTest::newRow("rounding carries into the integer") << 9.96 << 1 << "10.0";
    QTest::newRow("a carry through all nines") << 999.95 << 1 << "1000.0";
    QTest::newRow("a tiny negative value is never minus zero") << -0.04 << 1 << "0.0";
    QTest::newRow("minus zero is written as zero") << -0.0 << 2 << "0.00";
    QTest::newRow("a small value below the decimals") << 0.0004 << 2 << "0.00";
    QTest::newRow("a small value rounding up") << 0.005 << 2 << "0.01";
    QTest::newRow("a negative moment keeps its sign") << -108.0 << 1 << "-108.0";
    QTest::newRow("two thirds") << 6.666666666666667 << 2 << "6.67";
    QTest::newRow("a huge value stays fixed-point") << 1e20 << 1 << "100000000000000000000.0";
}

void TestNumberReader::format()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(vb::formatFixed(value, decimals), text);
}

QTEST_APPLESS_MAIN(TestNumberReader)
#include "tst_numberreader.moc"
