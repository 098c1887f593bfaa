#pragma once

#include "core/caption.h"

#include <QtWidgets/QDialog>

#include <memory>
#include <span>

class QLabel;
class QListWidget;
class QPushButton;
class QStandardItem;
class QStandardItemModel;
class QWidget;
class QTableView;

namespace Ui
{
class TFormProjekt;
}

namespace vb
{

class SortProxy;

// "Projekt": the open project's file and its positions in order, with what each sizes, what it
// requires, its section and the date of its calculation. Makes and opens projects, opens and
// deletes positions, and prints or saves the whole project as one booklet.
class TFormProjekt : public QDialog
{
    Q_OBJECT

public:
    explicit TFormProjekt(QWidget *parent = nullptr);
    ~TFormProjekt() override;

    // Shows the window until it is closed; returns the index of the position the planner asked
    // to open, or -1.
    int run();
    // The language, the file's name, the positions and the projects opened last, as the session
    // holds them now.
    void refresh();

    void ButtonNeuClick();
    void ButtonOeffnenClick();
    void openRecent(const QString &path);
    void ButtonPositionOeffnenClick();
    void ButtonPositionLoeschenClick();
    void ButtonPositionKopierenClick();
    void ButtonPositionUmnummerierenClick();
    void ButtonListeCsvClick();
    void ButtonAlleDruckenClick();
    void ButtonAlleAlsPdfClick();

    static std::span<const Caption> captions();

private:
    void applyLanguage();
    // The file's name, the positions and the projects opened last, as the session holds them.
    void fill();
    // What the buttons can do for the chosen row and the project.
    void updateButtons();
    int selectedRow() const;
    void descriptionEdited(QStandardItem *item);

    std::unique_ptr<Ui::TFormProjekt> m_ui;
    QStandardItemModel *m_rows; // the positions in the order of the file
    SortProxy *m_sorted;        // in the order of the column the planner clicked
    QLabel *m_file = nullptr;
    QTableView *m_positions = nullptr;
    QListWidget *m_recent = nullptr;
    QPushButton *m_openPosition = nullptr;
    QPushButton *m_deletePosition = nullptr;
    QPushButton *m_printAll = nullptr;
    QPushButton *m_pdfAll = nullptr;
    int m_requested = -1;
    bool m_filling = false;
};

// Makes a new project in a file the planner names, with the menu's header; opens a project file
// the planner chooses. True when a project is then open.
bool askNewProject(QWidget *parent);
bool askOpenProject(QWidget *parent);

} // namespace vb
