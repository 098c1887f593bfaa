#include "forms/captions.h"

#include <QtCore/QDebug>
#include <QtCore/QVariant>
#include <QtGui/QIcon>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtSvg/QSvgRenderer>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QWidget>

namespace vb
{

void applyCaptions(QWidget *form, std::span<const Caption> table, bool english)
{
    for (const Caption &row : table) {
        const QString name = QString::fromLatin1(row.control);
        const QString text = captionText(row, english);
        if (form->objectName() == name) {
            form->setWindowTitle(text);
            continue;
        }
        QWidget *control = form->findChild<QWidget *>(name);
        if (!control) {
            // A caption table names a control the form does not have; the tests of the
            // caption tables catch this, the run goes on without that text.
            qWarning("Caption table of %s names no control %s", qPrintable(form->objectName()), row.control);
            continue;
        }
        if (auto *label = qobject_cast<QLabel *>(control))
            label->setText(text);
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            button->setText(text);
        else if (auto *edit = qobject_cast<QLineEdit *>(control))
            edit->setText(text);
    }
}

void applyFormFonts(QWidget *form)
{
    const QString formFamily = form->property("vbFontFamily").toString();
    const int formPx = form->property("vbFontPx").toInt();
    const QString textFamily = form->property("vbTextFamily").toString();
    const int textPx = form->property("vbTextPx").toInt();
    const auto withFamily = [](QFont font, const QString &family, int px) {
        font.setFamily(family);
        font.setPixelSize(px);
        return font;
    };
    if (!formFamily.isEmpty() && formPx > 0)
        form->setFont(withFamily(form->font(), formFamily, formPx));
    if (textFamily.isEmpty() || textPx <= 0)
        return;
    // Every control inherits the text font from the widget that holds them all: the
    // central widget of a main window, the form itself otherwise (where no control shows
    // the form's own font). Only controls with a font of their own are set one by one,
    // which keeps start-up quick.
    QWidget *holder = form->findChild<QWidget *>(QStringLiteral("centralwidget"), Qt::FindDirectChildrenOnly);
    if (!holder)
        holder = form;
    holder->setFont(withFamily(holder->font(), textFamily, textPx));
    const auto children = holder->findChildren<QWidget *>();
    for (QWidget *child : children) {
        const QString ownFamily = child->property("vbFontFamily").toString();
        const int ownPx = child->property("vbFontPx").toInt();
        if (ownFamily.isEmpty() && ownPx <= 0)
            continue;
        child->setFont(withFamily(child->font(), ownFamily.isEmpty() ? textFamily : ownFamily,
                                  ownPx > 0 ? ownPx : textPx));
    }
}

namespace
{
QPixmap renderSvg(const QString &resource, QSize size, qreal ratio)
{
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return QPixmap();
    if (!size.isValid())
        size = renderer.defaultSize();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}
} // namespace

void loadFormPictures(QWidget *form)
{
    const qreal ratio = form->devicePixelRatioF();
    const auto labels = form->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        const QString resource = label->property("vbSvg").toString();
        if (resource.isEmpty())
            continue;
        const QSize size = label->hasScaledContents() ? label->size() : QSize();
        // The label shows the drawing as it is; stretching is done in the vector drawing.
        label->setScaledContents(false);
        label->setPixmap(renderSvg(resource, size, ratio));
    }
    const auto buttons = form->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        const QString resource = button->property("vbSvgIcon").toString();
        if (!resource.isEmpty())
            button->setIcon(QIcon(renderSvg(resource, button->iconSize(), ratio)));
    }
}

} // namespace vb
