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

class TForm24 : public PendingProgramForm
{
    Q_OBJECT
public:
    explicit TForm24(QWidget *parent = nullptr);
};

class TForm25 : public PendingProgramForm
{
    Q_OBJECT
public:
    explicit TForm25(QWidget *parent = nullptr);
};

class TForm26 : public PendingProgramForm
{
    Q_OBJECT
public:
    explicit TForm26(QWidget *parent = nullptr);
};

class TForm27 : public PendingProgramForm
{
    Q_OBJECT
public:
    explicit TForm27(QWidget *parent = nullptr);
};

class TForm28 : public PendingProgramForm
{
    Q_OBJECT
public:
    explicit TForm28(QWidget *parent = nullptr);
};

} // namespace vb
