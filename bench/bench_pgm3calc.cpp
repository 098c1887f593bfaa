#include "programs/pgm31024/pgm3calc.h"

#include <QtTest/QtTest>

class BenchPgm3 : public QObject
{
    Q_OBJECT
};

QTEST_APPLESS_MAIN(BenchPgm3)
#include "bench_pgm3calc.moc"
