#include "programs/pgm41024/pgm4calc.h"

#include <QtTest/QtTest>

class BenchPgm4 : public QObject
{
    Q_OBJECT
};

QTEST_APPLESS_MAIN(BenchPgm4)
#include "bench_pgm4calc.moc"
