#include "core/sections.h"

#include <QtTest/QtTest>

using namespace vb::sections;

namespace
{
// A catalogue of 5,000 tubes of all proportions, every tenth without a mass, as a large maker's
// catalogue of mullion and transom sections would be.
Catalogue largeCatalogue()
{
    Catalogue catalogue{QStringLiteral("large"), {}};
    catalogue.sections.reserve(5000);
    for (int i = 0; i < 5000; ++i) {
        const double b = 40 + (i % 9) * 5;
        const double h = 40 + (i / 9 % 33) * 5;
        const double t = 2 + (i % 7) * 0.5;
        Section s = hollowSection(b, h, t);
        s.name += QStringLiteral(" / %1").arg(i);
        if (i % 10 == 0)
            s.mass.reset();
        catalogue.sections.append(std::move(s));
    }
    return catalogue;
}
} // namespace

class BenchSections : public QObject
{
    Q_OBJECT

private slots:
    // One calculation's choice: a mullion needing Ix for its deflection and Wx for two load cases.
    void filterAndSort()
    {
        const Catalogue catalogue = largeCatalogue();
        const QList<Requirement> requirements = {
            {Quantity::Ix, 150.0}, {Quantity::Wx, 25.0}, {Quantity::Wx, 20.0}};
        qsizetype found = 0;
        QBENCHMARK
        {
            found = sufficientSections({&catalogue}, requirements).size();
        }
        QVERIFY(found > 100 && found < 5000);
    }
    // Importing a 5,000-row catalogue written by a German spreadsheet.
    void readCsv5000()
    {
        const QByteArray csv = writeCsv(largeCatalogue().sections);
        qsizetype read = 0;
        QBENCHMARK
        {
            read = readCsv(csv).sections.size();
        }
        QCOMPARE(read, 5000);
    }
};

QTEST_APPLESS_MAIN(BenchSections)
#include "bench_sections.moc"
