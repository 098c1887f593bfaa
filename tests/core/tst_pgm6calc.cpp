#include "programs/pgm61024/pgm6calc.h"

#include <QtTest/QtTest>

class TestPgm6Calc : public QObject
{
    Q_OBJECT
};

QTEST_APPLESS_MAIN(TestPgm6Calc)
#include "tst_pgm6calc.moc"
