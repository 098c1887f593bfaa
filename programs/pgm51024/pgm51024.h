#pragma once

#include "forms/programform.h"

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
    ~TForm27() override;

    void Button1Click() override;
    void Button3Click() override;
    // Information pages: wind loads, snow loads, and the superposition of wind and snow for
    // the DIN and for the BS load case.
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();

    // The BS load case (RadioButton3) is chosen.
    bool bsLoadCase() const;

protected:
    void build() override;
    void aufnr() override;
    std::optional<report::Sheet> makeSheet() const override;

private:
    std::unique_ptr<Ui::TForm27> m_ui;
};

} // namespace vb
