#pragma once

#include "forms/programform.h"

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
    ~TForm24() override;

    void Button1Click() override;
    void Button3Click() override;
    void SpeedButton1Click();

protected:
    void build() override;
    void aufnr() override;
    std::optional<report::Sheet> makeSheet() const override;

private:
    std::unique_ptr<Ui::TForm24> m_ui;
};

} // namespace vb
