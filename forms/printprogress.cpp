#include "forms/printprogress.h"

#include "forms/shell.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QProgressBar>

namespace vb
{

PrintProgressWindow::PrintProgressWindow(QWidget *parent) : m_dialog(parent)
{
    m_dialog.setWindowTitle(QStringLiteral("Drucken"));
    m_dialog.setLabelText(report::printJobName());
    m_dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    m_dialog.setMinimumDuration(0);
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
    m_dialog.setWindowModality(Qt::ApplicationModal);
}

void PrintProgressWindow::start(int steps)
{
    m_dialog.setRange(0, steps);
    m_dialog.setValue(0);
    m_dialog.show();
}

void PrintProgressWindow::setStep(int step)
{
    m_dialog.setValue(step); // modal: processes events, a press of "Abbrechen" among them
    QCoreApplication::processEvents();
}

void PrintProgressWindow::moveBar(int step)
{
    // QProgressDialog::setValue() would let a press of "Abbrechen" through.
    if (auto *bar = m_dialog.findChild<QProgressBar *>())
        bar->setValue(step);
}

bool PrintProgressWindow::cancelled() const
{
    return m_dialog.wasCanceled();
}

void reportPrintOutcome(const Result<report::PrintedJob> &outcome)
{
    if (outcome || outcome.kind() == FailureKind::Cancelled)
        return;
    if (outcome.kind() == FailureKind::NoPrinter) {
        shell::message(
            {QMessageBox::Critical, QStringLiteral("Access Violation"),
             QStringLiteral("Bitte installieren Sie\neinen Drucker, um den\nDruckvorgang auszuführen.")});
        return;
    }
    shell::errorReport(outcome.reason().in(shell::english()));
}

} // namespace vb
