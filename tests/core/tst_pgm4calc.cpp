#include "programs/pgm41024/pgm4calc.h"

#include <QtTest/QtTest>

class TestPgm4Calc : public QObject
{
    Q_OBJECT
};

QTEST_APPLESS_MAIN(TestPgm4Calc)
#include "tst_pgm4calc.moc"
