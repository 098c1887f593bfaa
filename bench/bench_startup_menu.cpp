// A bare Qt Widgets program that shows only the main menu's own form: the form of app/stat1024.ui
// as uic makes it, on a QMainWindow, in the program's fonts (Arial 13 px for the application, the
// form's own font properties for its controls) and with its logo drawn from its SVG, with none of
// the program's work behind it. It is the floor for the program's start-up: what showing that
// content costs any program.
#include "peakmemory.h"
#include "ui_stat1024.h"

#include <QtCore/QDateTime>
#include <QtCore/QTimer>
#include <QtCore/QVariant>
#include <QtGui/QFont>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtSvg/QSvgRenderer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMainWindow>

namespace
{

// The fonts the form's properties name, set as the program sets them: the form's font, the text
// font on the central widget, and the controls with a font of their own.
void applyFormFonts(QMainWindow &form)
{
    const auto withFamily = [](QFont font, const QString &family, int px) {
        font.setFamily(family);
        font.setPixelSize(px);
        return font;
    };
    const QString formFamily = form.property("vbFontFamily").toString();
    const int formPx = form.property("vbFontPx").toInt();
    if (!formFamily.isEmpty() && formPx > 0)
        form.setFont(withFamily(form.font(), formFamily, formPx));
    const QString textFamily = form.property("vbTextFamily").toString();
    const int textPx = form.property("vbTextPx").toInt();
    QWidget *holder = form.centralWidget();
    if (textFamily.isEmpty() || textPx <= 0 || !holder)
        return;
    holder->setFont(withFamily(holder->font(), textFamily, textPx));
    for (QWidget *child : holder->findChildren<QWidget *>()) {
        const QString ownFamily = child->property("vbFontFamily").toString();
        const int ownPx = child->property("vbFontPx").toInt();
        if (!ownFamily.isEmpty() || ownPx > 0)
            child->setFont(withFamily(child->font(), ownFamily.isEmpty() ? textFamily : ownFamily,
                                      ownPx > 0 ? ownPx : textPx));
    }
}

// The logo of the form, drawn at the label's size as the program draws its pictures.
void drawLogo(QLabel *label)
{
    QSvgRenderer renderer(label->property("vbSvg").toString());
    const qreal ratio = label->devicePixelRatioF();
    QPixmap pixmap(label->size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(label->size())));
    painter.end();
    label->setScaledContents(false);
    label->setPixmap(pixmap);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    QGuiApplication::setFont(font);
    QMainWindow window;
    Ui::TForm22 form;
    form.setupUi(&window);
    applyFormFonts(window);
    drawLogo(form.Image1);
    QTimer::singleShot(0, &app, [&window] {
        window.show();
        QTimer::singleShot(0, &window, [&window] {
            window.repaint();
            // The moment the window is on screen, for the harness that started the process.
            reportShown(static_cast<long long>(QDateTime::currentMSecsSinceEpoch()) * 1000);
            QCoreApplication::exit(window.isVisible() ? 0 : 2);
        });
    });
    return QApplication::exec();
}
