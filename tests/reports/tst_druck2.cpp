#include "reports/druck2.h"

#include <QtTest/QtTest>

class TestDruck2 : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestDruck2)
#include "tst_druck2.moc"
