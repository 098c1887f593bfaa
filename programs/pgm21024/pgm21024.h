#pragma once

#include "forms/programform.h"
#include "programs/pgm21024/pgm2calc.h"

#include <memory>

namespace Ui
{
class TForm24;
}

namespace vb
{

// "Programm 2": a facade mullion that also carries a barrier, under the horizontal imposed
// line load of the adjacent fields acting at the handrail height c above its support.
class TForm24 : public ProgramForm
{
    Q_OBJECT

public:
    explicit TForm24(QWidget *parent = nullptr);
    // What the program is, as tables; the form is made of them.
    static const ProgramTables &programTables();
    ~TForm24() override;

protected:
    void build() override;
    void checkInputs(FieldChecker &check) override;
    Calculated calculate() const override;

private:
    std::unique_ptr<Ui::TForm24> m_ui;
    pgm2::Input m_input;
};

} // namespace vb
