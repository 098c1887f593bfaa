#include "programs/pgm31024/pgm3calc.h"

#include <QtTest/QtTest>

class TestPgm3Calc : public QObject
{
    Q_OBJECT
};

QTEST_APPLESS_MAIN(TestPgm3Calc)
#include "tst_pgm3calc.moc"
