#include "reports/druck3.h"

#include <QtTest/QtTest>

class TestDruck3 : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestDruck3)
#include "tst_druck3.moc"
