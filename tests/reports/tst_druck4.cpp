#include "reports/druck4.h"

#include <QtTest/QtTest>

class TestDruck4 : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestDruck4)
#include "tst_druck4.moc"
