#include "forms/erro1024.h"

#include "forms/captions.h"
#include "ui_erro1024.h"

namespace vb
{

TForm31::TForm31(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TForm31>())
{
    m_ui->setupUi(this);
    applyFormFonts(this);
    move(266, 225);
    m_ui->Button1->setAutoDefault(false);
    connect(m_ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
}

TForm31::~TForm31() = default;

QLabel *TForm31::line(int number) const
{
    switch (number) {
    case 1:
        return m_ui->Label1;
    case 2:
        return m_ui->Label2;
    case 3:
        return m_ui->Label3;
    default:
        return m_ui->Label4;
    }
}

void TForm31::hideLine(int number)
{
    line(number)->setVisible(false);
}

void TForm31::showLine(int number, const QString &text)
{
    QLabel *label = line(number);
    label->setText(text);
    label->setVisible(true);
}

bool TForm31::isLineVisible(int number) const
{
    return !line(number)->isHidden();
}
QString TForm31::lineText(int number) const
{
    return line(number)->text();
}

bool TForm31::anyLineVisible() const
{
    for (int i = 1; i <= 4; ++i) {
        if (isLineVisible(i))
            return true;
    }
    return false;
}

} // namespace vb
