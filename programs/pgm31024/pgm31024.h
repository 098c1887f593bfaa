#pragma once

#include "forms/programform.h"
#include "programs/pgm31024/pgm3calc.h"

#include <memory>

namespace Ui
{
class TForm25;
}

namespace vb
{

// "Programm 3": the rafter of a sloped glazing or sloped roof as a single-span beam under
// dead load, snow and wind, with the snow reduced by the German or the British rule.
class TForm25 : public ProgramForm
{
    Q_OBJECT

public:
    explicit TForm25(QWidget *parent = nullptr);
    // What the program is, as tables; the form is made of them.
    static const ProgramTables &programTables();
    ~TForm25() override;

    // Whether the British snow rule (RadioButton3) is chosen.
    bool britishSnowRule() const;

protected:
    void build() override;
    void checkInputs(FieldChecker &check) override;
    Calculated calculate() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The key handler of the fields that take decimals: a typed comma becomes a point.
    bool pumkt(QObject *watched, QEvent *event);
    std::unique_ptr<Ui::TForm25> m_ui;
    pgm3::Input m_input;
};

} // namespace vb
