#include "programs/pgm21024/pgm2calc.h"

#include <QtTest/QtTest>

class TestPgm2Calc : public QObject
{
    Q_OBJECT
};

QTEST_APPLESS_MAIN(TestPgm2Calc)
#include "tst_pgm2calc.moc"
