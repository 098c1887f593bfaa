#include "reports/sheet.h"

#include <QtCore/QDebug>
#include <QtCore/QSet>

#include <utility>

namespace report
{

QPageLayout PageSetup::pageLayout() const
{
    QPageLayout layout(QPageSize(size), orientation, marginsMm, QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

Sheet::Sheet(SheetLayout layout) : m_layout(std::move(layout))
{
    // A layout is a fixed table; a slip in it shows up at once when a sheet is made.
    QSet<QString> bands;
    for (const Band &band : std::as_const(m_layout.bands))
        bands.insert(band.name);
    QSet<QString> names;
    for (const Label &label : std::as_const(m_layout.labels)) {
        if (!bands.contains(label.band))
            qWarning("report: label %s of %s stands in the unknown band %s", qPrintable(label.name),
                     qPrintable(m_layout.name), qPrintable(label.band));
        if (names.contains(label.name))
            qWarning("report: %s names %s twice", qPrintable(m_layout.name), qPrintable(label.name));
        names.insert(label.name);
    }
    for (const Picture &picture : std::as_const(m_layout.pictures)) {
        if (!bands.contains(picture.band))
            qWarning("report: picture %s of %s stands in the unknown band %s", qPrintable(picture.name),
                     qPrintable(m_layout.name), qPrintable(picture.band));
        if (names.contains(picture.name))
            qWarning("report: %s names %s twice", qPrintable(m_layout.name), qPrintable(picture.name));
        names.insert(picture.name);
    }
}

Label *Sheet::findLabel(const QString &name)
{
    for (Label &label : m_layout.labels)
        if (label.name == name)
            return &label;
    return nullptr;
}

Picture *Sheet::findPicture(const QString &name)
{
    for (Picture &picture : m_layout.pictures)
        if (picture.name == name)
            return &picture;
    return nullptr;
}

bool Sheet::setText(const QString &label, const QString &text)
{
    Label *found = findLabel(label);
    if (!found) {
        qWarning("report: %s has no label %s", qPrintable(m_layout.name), qPrintable(label));
        return false;
    }
    found->text = text;
    return true;
}

bool Sheet::setPictureOn(const QString &picture, bool on)
{
    Picture *found = findPicture(picture);
    if (!found) {
        qWarning("report: %s has no picture %s", qPrintable(m_layout.name), qPrintable(picture));
        return false;
    }
    found->on = on;
    return true;
}

const Label *Sheet::label(const QString &name) const
{
    for (const Label &label : m_layout.labels)
        if (label.name == name)
            return &label;
    return nullptr;
}

const Picture *Sheet::picture(const QString &name) const
{
    for (const Picture &picture : m_layout.pictures)
        if (picture.name == name)
            return &picture;
    return nullptr;
}

QString Sheet::text(const QString &label) const
{
    const Label *found = this->label(label);
    return found ? found->text : QString();
}

bool Sheet::pictureOn(const QString &picture) const
{
    const Picture *found = this->picture(picture);
    return found && found->on;
}

double Sheet::bandTop(const QString &band) const
{
    double top = mmToPagePixels(m_layout.page.marginsMm.top());
    for (const Band &b : m_layout.bands) {
        if (b.name == band)
            return top;
        top += b.height;
    }
    return -1.0;
}

double Sheet::bandLeft() const
{
    return mmToPagePixels(m_layout.page.marginsMm.left());
}

double Sheet::bandWidth() const
{
    const double paper = m_layout.page.pageLayout().fullRectPoints().width() * kPagePixelsPerInch / 72.0;
    return paper - mmToPagePixels(m_layout.page.marginsMm.left() + m_layout.page.marginsMm.right());
}

} // namespace report
