#pragma once

#include "forms/programform.h"
#include "programs/pgm51024/pgm5calc.h"

#include <memory>

namespace Ui
{
class TForm27;
}

namespace vb
{

// "Programm 5": the rafter of a sloped glazing or roof, continuous over three supports,
// under dead load, snow and wind, with the snow rule of DIN 1055-5 or BS 6399-3.
class TForm27 : public ProgramForm
{
    Q_OBJECT

public:
    explicit TForm27(QWidget *parent = nullptr);
    // What the program is, as tables; the form is made of them.
    static const ProgramTables &programTables();
    ~TForm27() override;

    // The BS load case (RadioButton3) is chosen.
    bool bsLoadCase() const;

protected:
    void build() override;
    void checkInputs(FieldChecker &check) override;
    Calculated calculate() const override;

private:
    std::unique_ptr<Ui::TForm27> m_ui;
    pgm5::Input m_input;
};

} // namespace vb
