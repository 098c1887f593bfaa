#pragma once

#include "forms/programform.h"

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
    ~TForm26() override;

    void Button1Click() override;
    void Button3Click() override;
    void SpeedButton2Click();

protected:
    void build() override;
    void aufnr() override;
    std::optional<report::Sheet> makeSheet() const override;

private:
    std::unique_ptr<Ui::TForm26> m_ui;
};

} // namespace vb
