#include "guifixture.h"

#include <QtTest/QtTest>

class TestProgramm2 : public QObject
{
    Q_OBJECT

private slots:
    // Run on its own under the private CUPS fixture, with a queue and without a printer.
    void printThroughTheDefaultPrinter() { QSKIP("not built yet"); }
};

QTEST_MAIN(TestProgramm2)
#include "tst_programm2.moc"
