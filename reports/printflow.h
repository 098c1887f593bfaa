#pragma once

#include "core/result.h"
#include "reports/sheet.h"

#include <QtCore/QString>
#include <QtGui/QPageLayout>

#include <functional>
#include <memory>

class QPainter;

namespace report
{

// What the planner sees of a print while it is made: the GUI shows a progress window (caption
// "Drucken", a bar, a button "Abbrechen"); without one the flow prints unseen.
class PrintProgress
{
public:
    virtual ~PrintProgress() = default;
    // Shows the window with a bar of `steps` steps at 0, modally, and lets it paint.
    virtual void start(int steps) = 0;
    // Moves the bar and lets a press of "Abbrechen" through.
    virtual void setStep(int step) = 0;
    // Moves the bar without taking input: once the job exists it can no longer be taken back.
    virtual void moveBar(int step) = 0;
    virtual bool cancelled() const = 0;
};

// A job the scheduler has taken.
struct PrintedJob {
    // Milliseconds from the call until the scheduler had taken the job.
    double handedOverMs = 0;
};

// The document name of every print job.
QString printJobName();

// Prints the sheet on the default printer at once, without preview, while `progress` (where
// given) shows how far it is. Returns when the job has been handed over and the scheduler has had
// a short look at it (at most 2 s, less once the printer works on it), so that a stopped queue or
// a failing backend is reported, not passed for printed. Fails as NoPrinter where no printer is
// installed, as Cancelled where "Abbrechen" was pressed before the job existed (nothing was
// printed then), else with the reason in both languages. Shows no message box of its own.
vb::Result<PrintedJob> printSheet(const Sheet &sheet, PrintProgress *progress);

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
vb::Result<PrintedJob> printPages(int pages, const PrintPageMaker &makePage, PrintProgress *progress);

} // namespace report
