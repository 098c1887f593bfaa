#include "app/langflag.h"
#include "languagerecords.h"

#include <QtTest/QtTest>

class TestLanguageFile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
};

void TestLanguageFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expected"); // -1 unreadable, 0 German, 1 English

    QTest::newRow("0 is German") << languageFileBytes(1, "0") << 0;
    QTest::newRow("1 is English") << languageFileBytes(1, "1") << 1;
    QTest::newRow("any other first character is English") << languageFileBytes(1, "x") << 1;
    QTest::newRow("only the first character counts") << languageFileBytes(3, "0ab") << 0;
    QTest::newRow("a longer file reads its first record") << languageFileBytes(1, "0", 100) << 0;
    QTest::newRow("a file shorter than one record is unreadable") << languageFileBytes(1, "1", 61) << -1;
    QTest::newRow("the empty file is unreadable") << QByteArray() << -1;
    QTest::newRow("an empty text is unreadable") << languageFileBytes(0, "1") << -1;
    QTest::newRow("a length over 61 is unreadable") << languageFileBytes(200, "1") << -1;
    QTest::newRow("the longest text reads") << languageFileBytes(61, "1") << 1;
}

void TestLanguageFile::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expected);
    const std::optional<bool> read = vb::parseLanguageRecord(bytes);
    QCOMPARE(read.has_value() ? (*read ? 1 : 0) : -1, expected);
}

QTEST_APPLESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
