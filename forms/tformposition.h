#pragma once

#include "core/caption.h"
#include "core/projectfile.h"

#include <QtWidgets/QDialog>

#include <memory>
#include <span>

namespace Ui
{
class TFormPosition;
}

namespace vb
{

// "Position speichern": the number and the description a position is stored under; also the
// dialog that copies a position under a new number or renumbers it. The number a project holds
// already is said in the dialog itself: storing a calculation then replaces that position ("OK"
// reads "Ersetzen"), while a copy or a new number must be one the project does not hold.
class TFormPosition : public QDialog
{
    Q_OBJECT

public:
    enum class Purpose { Save, Copy, Renumber };

    // `project` is the open project, read for the numbers it holds and their descriptions;
    // `own` is the number of the position copied or renumbered (none for Save).
    TFormPosition(Purpose purpose, const project::Project &project, const QString &number,
                  const QString &description, const QString &own = {}, QWidget *parent = nullptr);
    ~TFormPosition() override;

    QString number() const;
    QString description() const;
    // Whether "OK" replaces a position the project holds under the number.
    bool replaces() const;

    static std::span<const Caption> captions();

private:
    void numberEdited();

    std::unique_ptr<Ui::TFormPosition> m_ui;
    Purpose m_purpose;
    const project::Project &m_project;
    QString m_own;
    QString m_typedDescription; // the description as given or typed, before a stored one was shown
    bool m_descriptionTyped = false;
};

} // namespace vb
