#pragma once

#include "forms/programform.h"
#include "programs/pgm61024/pgm6calc.h"

#include <memory>

namespace Ui
{
class TForm28;
}

namespace vb
{

// "Programm 6": a facade transom under its own weight and the weight of the glass pane or
// infill panel standing on its two setting blocks.
class TForm28 : public ProgramForm
{
    Q_OBJECT

public:
    explicit TForm28(QWidget *parent = nullptr);
    // What the program is, as tables; the form is made of them.
    static const ProgramTables &programTables();
    ~TForm28() override;

    // Whether the glass option is chosen (else the infill weight is given).
    bool glassOption() const;

protected:
    void build() override;
    void aufnr() override;
    void checkInputs(FieldChecker &check) override;
    Calculated calculate() const override;

private:
    // Puts the subscript of the deflection symbol f just behind the f of its caption, in
    // either language.
    void placeDeflectionSubscript();

    std::unique_ptr<Ui::TForm28> m_ui;
    pgm6::Input m_input;
};

} // namespace vb
