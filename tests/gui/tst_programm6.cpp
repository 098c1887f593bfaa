#include "guifixture.h"

#include <QtTest/QtTest>

class TestProgramm6 : public QObject
{
    Q_OBJECT

private slots:
    // Run on its own under the private CUPS fixture, with a queue and without a printer.
    void printThroughTheDefaultPrinter() { QSKIP("not built yet"); }
};

QTEST_MAIN(TestProgramm6)
#include "tst_programm6.moc"
