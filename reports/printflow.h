#pragma once

#include "reports/sheet.h"

#include <QtCore/QString>
#include <QtGui/QPageLayout>

#include <functional>
#include <memory>

class QPainter;
class QWidget;

namespace report
{

enum class PrintStatus {
    Printed,   // the job was handed over to the default printer
    NoPrinter, // no printer is installed; nothing was printed
    Cancelled, // "Abbrechen" was pressed before the job was handed over; nothing was printed
    Failed,    // anything else; errorText holds the system's reason
};

struct PrintOutcome {
    PrintStatus status = PrintStatus::Printed;
    QString errorText;
    // Milliseconds from the call until the scheduler had taken the job; -1 when it never did.
    double handedOverMs = -1;
};

// The document name of every print job.
QString printJobName();

// Prints the sheet on the default printer at once, without preview, while a progress window
// (caption "Drucken", a progress bar, a button "Abbrechen") is shown over parent. Returns when the
// job has been handed over and the scheduler has had a short look at it (at most 2 s, less once the
// printer works on it), so that a stopped queue or a failing backend is reported, not passed for
// printed. Shows no message box of its own: the caller reports NoPrinter and Failed.
PrintOutcome printSheet(const Sheet &sheet, QWidget *parent);

// One page of a print job, ready to paint: whatever its painting needs (the drawings) is loaded.
class PrintPage
{
public:
    virtual ~PrintPage() = default;
    virtual QPageLayout pageLayout() const = 0;
    // Paints with the painter's origin at the paper's top left corner.
    virtual void paint(QPainter &painter) const = 0;
};

// Makes page `index` (0 … pages - 1) of a job when the flow comes to it; the flow drops each page
// once it is painted, so that a long job never holds more than one.
using PrintPageMaker = std::function<std::unique_ptr<PrintPage>(int index)>;

// Prints `pages` pages as one job, with the window, the checks and the outcomes of printSheet().
// The first page is made before the printer is opened (its layout sets the job's paper); the bar
// advances page by page. Once the job exists the window takes no more input, as in printSheet().
PrintOutcome printPages(int pages, const PrintPageMaker &makePage, QWidget *parent);

} // namespace report
