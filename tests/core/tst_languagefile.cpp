#include "app/langflag.h"

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

    const auto record = [](int length, const QByteArray &text, int size = vb::kLanguageRecordSize) {
        QByteArray bytes(size, '\0');
        if (size > 0)
            bytes[0] = static_cast<char>(length);
        for (int i = 0; i < text.size() && i + 1 < size; ++i)
            bytes[i + 1] = text[i];
        return bytes;
    };
    QTest::newRow("0 is German") << record(1, "0") << 0;
    QTest::newRow("1 is English") << record(1, "1") << 1;
    QTest::newRow("any other first character is English") << record(1, "x") << 1;
    QTest::newRow("only the first character counts") << record(3, "0ab") << 0;
    QTest::newRow("a longer file reads its first record") << record(1, "0", 100) << 0;
    QTest::newRow("a file shorter than one record is unreadable") << record(1, "1", 61) << -1;
    QTest::newRow("the empty file is unreadable") << QByteArray() << -1;
    QTest::newRow("an empty text is unreadable") << record(0, "1") << -1;
    QTest::newRow("a length over 61 is unreadable") << record(200, "1") << -1;
    QTest::newRow("the longest text reads") << record(61, "1") << 1;
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
