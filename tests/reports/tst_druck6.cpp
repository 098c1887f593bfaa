#include "reports/druck6.h"

#include <QtTest/QtTest>

class TestDruck6 : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestDruck6)
#include "tst_druck6.moc"
