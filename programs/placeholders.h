#pragma once

#include "forms/programform.h"

class QLineEdit;

namespace vb {

// Programs 2 to 6 until their calculations are built: the window with its caption and
// size, the position-number field and the four command buttons by the shared rules.
class PendingProgramForm : public ProgramForm
{
    Q_OBJECT

public:
    PendingProgramForm(const QString &formName, const QString &caption, QSize size, const QString &positionField,
                       QWidget *parent);

    void Button1Click() override;
    void Button3Click() override;
};

} // namespace vb
