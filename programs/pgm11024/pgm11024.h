#pragma once

#include "forms/programform.h"
#include "programs/pgm11024/pgm1calc.h"

#include <memory>

namespace Ui
{
class TForm23;
}

namespace vb
{

// "Programm 1": a facade mullion under a uniform wind line load, or a transom under the
// trapezoidal or triangular loads of the panes above and below it.
class TForm23 : public ProgramForm
{
    Q_OBJECT

public:
    explicit TForm23(QWidget *parent = nullptr);
    // What the program is, as tables; the form is made of them.
    static const ProgramTables &programTables();
    ~TForm23() override;

    bool transomMode() const;

protected:
    void build() override;
    void aufnr() override;
    void checkInputs(FieldChecker &check) override;
    Calculated calculate() const override;

private:
    void RadioButton1Click();
    void RadioButton2Click();
    // Captions and pictures that depend on the mode, for the current language.
    // `fromOption` marks the option handler, whose English transom caption of Label7 differs.
    void applyModeCaptions(bool fromOption);
    void applyModePictures();

    std::unique_ptr<Ui::TForm23> m_ui;
    pgm1::Input m_input;
};

} // namespace vb
