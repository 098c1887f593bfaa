#pragma once

#include "forms/programform.h"
#include "programs/pgm41024/pgm4calc.h"

#include <memory>

namespace Ui
{
class TForm26;
}

namespace vb
{

// "Programm 4": a facade mullion run continuously over three supports, a two-span beam
// under wind pressure or suction as a uniform line load.
class TForm26 : public ProgramForm
{
    Q_OBJECT

public:
    explicit TForm26(QWidget *parent = nullptr);
    // What the program is, as tables; the form is made of them.
    static const ProgramTables &programTables();
    ~TForm26() override;

protected:
    void build() override;
    void aufnr() override;
    void checkInputs(FieldChecker &check) override;
    Calculated calculate() const override;

private:
    std::unique_ptr<Ui::TForm26> m_ui;
    pgm4::Input m_input;
};

} // namespace vb
