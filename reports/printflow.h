#pragma once

#include "reports/sheet.h"

#include <QtCore/QString>

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

} // namespace report
