#include "reports/druck5.h"

#include <QtTest/QtTest>

class TestDruck5 : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestDruck5)
#include "tst_druck5.moc"
