#include "programs/pgm61024/pgm6calc.h"

#include <QtTest/QtTest>

class BenchPgm6 : public QObject
{
    Q_OBJECT
};

QTEST_APPLESS_MAIN(BenchPgm6)
#include "bench_pgm6calc.moc"
