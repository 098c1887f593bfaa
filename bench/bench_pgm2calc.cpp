#include "programs/pgm21024/pgm2calc.h"

#include <QtTest/QtTest>

class BenchPgm2 : public QObject
{
    Q_OBJECT
};

QTEST_APPLESS_MAIN(BenchPgm2)
#include "bench_pgm2calc.moc"
