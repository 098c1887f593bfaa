#pragma once

#include "core/caption.h"

#include <QtWidgets/QDialog>

#include <memory>
#include <span>

namespace Ui
{
class TFormBriefkopf;
}

namespace vb
{

// "Briefkopf": the planner's company line and logo for the page header of every sheet and the
// cover. Shows the letterhead stored, takes a new line and logo or the program's own ("Standard"),
// and stores them with OK; "Abbrechen" leaves the stored letterhead as it was.
class TFormBriefkopf : public QDialog
{
    Q_OBJECT

public:
    explicit TFormBriefkopf(QWidget *parent = nullptr);
    ~TFormBriefkopf() override;

    // Shows the letterhead stored until OK or "Abbrechen"; true when a letterhead was stored.
    bool run();

    // "Logo…": a logo file that does not load is refused with a message and not taken.
    void ButtonLogoClick();
    // "Standard": the program's own line and logo, stored with OK.
    void ButtonStandardClick();
    // OK: stores the letterhead shown; where it cannot be stored, says why and stays open.
    void ButtonOKClick();

    static std::span<const Caption> captions();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyLanguage();
    // The logo's name and its preview as it takes the logo's place on a sheet.
    void showLogo();

    std::unique_ptr<Ui::TFormBriefkopf> m_ui;
    QString m_logo;     // the logo shown: the stored copy, a file just chosen, or empty (the program's)
    QString m_logoName; // how the planner knows it: the chosen file's name
};

} // namespace vb
