#include "programs/pgm51024/pgm5calc.h"

#include <QtTest/QtTest>

class TestPgm5Calc : public QObject
{
    Q_OBJECT
};

QTEST_APPLESS_MAIN(TestPgm5Calc)
#include "tst_pgm5calc.moc"
