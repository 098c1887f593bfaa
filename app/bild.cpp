#include "app/bild.h"

#include "app/stat1024.h"
#include "forms/shell.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QTimer>
#include <QtGui/QCloseEvent>

namespace vb
{

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Form1"));
    resize(696, 480);
    // Its documented place lies outside any screen; it is never shown, so no window
    // manager moves it back.
    move(3000, 3000);
    shell::forms().host = this;
}

void TForm1::start()
{
    QTimer::singleShot(0, this, &TForm1::aufloesung);
}

void TForm1::aufloesung()
{
    if (QWidget *menu = shell::forms().menuWindow)
        menu->show();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_ended = true;
    emit ended();
    QCoreApplication::exit(0);
}

} // namespace vb
