#pragma once

#include "forms/shell.h"

#include <QtWidgets/QMainWindow>

#include <memory>

namespace Ui
{
class TForm22;
}

namespace vb
{

class LanguageFile;

// The main menu "Lastkon": the project header and the six program buttons. Its creation
// creates every other long-lived form once.
class TForm22 : public QMainWindow, public MainMenu
{
    Q_OBJECT

public:
    // `languageFile` is where the language flag is kept between runs.
    explicit TForm22(const QString &languageFile, QWidget *parent = nullptr);
    ~TForm22() override;

    // False when the language flag could be neither read nor written: the run must end.
    bool startedUp() const { return m_startedUp; }

    QWidget *window() override { return this; }
    QString positionNumber() const override;
    void setPositionNumber(const QString &text) override;
    void setDateTimeTexts(const QString &date, const QString &time) override;
    QString creator() const override;
    QString date() const override;
    QString time() const override;

    QString project() const override;
    QString company() const override;

    // Opens a program of the list by its number, as its button does (Button1, Button3 … Button7).
    void openProgram(int program) override;
    // "Projekt…": the project window; a position asked for there is opened in its program.
    void ButtonProjektClick();
    // "Briefkopf…" (in the free space of the bottom row, right of "Programm Beenden"): the
    // planner's company line and logo for the sheets.
    void ButtonBriefkopfClick();
    // Opens the project file given to the program, then the project window.
    void openProjectFile(const QString &path);
    void Button8Click();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void request();
    void datuhr();
    void applyLanguage();
    // "Projekt…" (in the free space of the bottom row) and the project's header in the menu.
    void connectProject();
    // The header typed in the menu goes to the open project.
    void commitHeader();

    std::unique_ptr<Ui::TForm22> m_ui;
    std::unique_ptr<LanguageFile> m_languageFile;
    bool m_startedUp = true;
};

} // namespace vb
