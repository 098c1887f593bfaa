#include "programs/pgm51024/pgm5calc.h"

#include <QtTest/QtTest>

class BenchPgm5 : public QObject
{
    Q_OBJECT
};

QTEST_APPLESS_MAIN(BenchPgm5)
#include "bench_pgm5calc.moc"
