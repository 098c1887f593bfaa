#pragma once

#include "reports/printflow.h"

#include <QtWidgets/QProgressDialog>

class QWidget;

namespace vb
{

// The progress window of a print: caption "Drucken", the job's name, a bar and "Abbrechen",
// modal over the whole program while the job is made.
class PrintProgressWindow final : public report::PrintProgress
{
public:
    explicit PrintProgressWindow(QWidget *parent);
    void start(int steps) override;
    void setStep(int step) override;
    void moveBar(int step) override;
    bool cancelled() const override;

private:
    QProgressDialog m_dialog;
};

// Tells the planner what became of a print: no printer, or the reason it failed; nothing for a
// job printed or cancelled.
void reportPrintOutcome(const Result<report::PrintedJob> &outcome);

} // namespace vb
