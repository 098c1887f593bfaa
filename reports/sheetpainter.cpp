#include "reports/sheetpainter.h"

#include "reports/resources.h"

#include <QtCore/QDebug>
#include <QtCore/QFile>
#include <QtGui/QFontDatabase>
#include <QtGui/QFontMetricsF>
#include <QtGui/QPainter>
#include <QtGui/QPdfWriter>
#include <QtSvg/QSvgRenderer>

namespace report
{

namespace
{
QString lookUpFamily(const QString &family);

// Drawings are parsed once per run: every print of a sheet uses the same few files.
std::shared_ptr<QSvgRenderer> drawing(const QString &resource)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> parsed;
    auto found = parsed.find(resource);
    if (found == parsed.end())
        found = parsed.insert(resource, std::make_shared<QSvgRenderer>(resource));
    return found.value();
}
} // namespace

QString resolvedFamily(const QString &family)
{
    // Asking the font database is slow, and its answer does not change during a run.
    static QHash<QString, QString> resolved;
    auto found = resolved.find(family);
    if (found == resolved.end())
        found = resolved.insert(family, lookUpFamily(family));
    return found.value();
}

namespace
{
QString lookUpFamily(const QString &family)
{
    struct Twin {
        const char *family;
        const char *twins[2];
    };
    static const Twin twins[] = {
        {"Times New Roman", {"Liberation Serif", "Tinos"}},
        {"Arial", {"Liberation Sans", "Arimo"}},
    };
    if (QFontDatabase::hasFamily(family))
        return family;
    for (const Twin &t : twins) {
        if (family.compare(QLatin1String(t.family), Qt::CaseInsensitive) != 0)
            continue;
        for (const char *twin : t.twins)
            if (QFontDatabase::hasFamily(QLatin1String(twin)))
                return QLatin1String(twin);
    }
    return family; // leave the choice to the font matching of the platform
}
} // namespace

SheetPainter::SheetPainter(const Sheet &sheet) : m_sheet(sheet)
{
    vb::initResources();
    for (const Label &label : sheet.layout().labels)
        if (!m_families.contains(label.font.family))
            m_families.insert(label.font.family, resolvedFamily(label.font.family));
    for (const Picture &picture : sheet.layout().pictures) {
        if (!picture.on || m_renderers.contains(picture.resource))
            continue;
        auto renderer = drawing(picture.resource);
        if (!renderer->isValid()) {
            qWarning("report: drawing %s of %s cannot be loaded from %s", qPrintable(picture.name),
                     qPrintable(sheet.layout().name), qPrintable(picture.resource));
            m_missing.append(picture.resource);
            renderer.reset();
        }
        m_renderers.insert(picture.resource, renderer);
    }
}

SheetPainter::~SheetPainter() = default;

void SheetPainter::paint(QPainter &painter) const
{
    const QPaintDevice *device = painter.device();
    paint(painter, device ? device->logicalDpiY() : kPagePixelsPerInch);
}

void SheetPainter::paint(QPainter &painter, double deviceDotsPerInch) const
{
    const double scale = deviceDotsPerInch / kPagePixelsPerInch;
    const double left = m_sheet.bandLeft();
    // Fonts are given their size in points of the device, so that a 16-pixel font is 16 page
    // pixels high on a 96-dpi screen and 200 device dots high on a 1200-dpi printer, without
    // rounding the size to whole device pixels.
    const double deviceFontScale =
        painter.device() ? deviceDotsPerInch / painter.device()->logicalDpiY() : 1.0;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);

    for (const Picture &picture : m_sheet.layout().pictures) {
        if (!picture.on)
            continue;
        const auto found = m_renderers.constFind(picture.resource);
        if (found == m_renderers.constEnd() || !found.value())
            continue;
        QSvgRenderer &renderer = *found.value();
        const double top = m_sheet.bandTop(picture.band);
        if (top < 0)
            continue;
        const QRectF box((left + picture.rect.left()) * scale, (top + picture.rect.top()) * scale,
                         picture.rect.width() * scale, picture.rect.height() * scale);
        painter.save();
        if (picture.stretch) {
            renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
            renderer.render(&painter, box);
        } else {
            // Own size: the drawing's size in page pixels from the box's corner. A drawing larger
            // than its box (the form's drawings are a little larger than the sheet's boxes) is
            // scaled down to fit, keeping its proportions, rather than cut off at the box.
            QSizeF size = QSizeF(renderer.defaultSize()) * scale;
            if (size.width() > box.width() || size.height() > box.height())
                size = size.scaled(box.size(), Qt::KeepAspectRatio);
            painter.setClipRect(box, Qt::IntersectClip);
            renderer.setAspectRatioMode(Qt::KeepAspectRatio);
            renderer.render(&painter, QRectF(box.topLeft(), size));
        }
        painter.restore();
    }

    // A sheet uses a handful of fonts for many labels; each is set up once.
    struct DeviceFont {
        QFont font;
        QFontMetricsF metrics;
    };
    QHash<QString, std::shared_ptr<DeviceFont>> fonts;
    for (const Label &label : m_sheet.layout().labels) {
        if (label.text.isEmpty())
            continue;
        const double top = m_sheet.bandTop(label.band);
        if (top < 0)
            continue;
        const LabelFont &style = label.font;
        const QString key = QStringLiteral("%1/%2/%3%4")
                                .arg(style.family)
                                .arg(style.pixelSize)
                                .arg(style.bold)
                                .arg(style.underline);
        std::shared_ptr<DeviceFont> &deviceFont = fonts[key];
        if (!deviceFont) {
            QFont font(m_families.value(style.family, style.family));
            font.setPointSizeF(style.pixelSize * 72.0 / kPagePixelsPerInch * deviceFontScale);
            font.setBold(style.bold);
            font.setUnderline(style.underline);
            font.setKerning(false);
            font.setStyleStrategy(QFont::PreferOutline);
            painter.setFont(font);
            deviceFont = std::make_shared<DeviceFont>(
                DeviceFont{painter.font(), QFontMetricsF(painter.font(), painter.device())});
        }
        painter.setFont(deviceFont->font);
        const QFontMetricsF &metrics = deviceFont->metrics;

        // The label's box starts at its top; the text's ascent fills the box from there.
        const double y = (top + label.top) * scale;
        double x = (left + label.x) * scale;
        if (label.align == Align::Right)
            x -= metrics.horizontalAdvance(label.text); // trailing blanks count, as in the design
        const QPointF baseline(x, y + metrics.ascent());
        if (label.width > 0) {
            painter.save();
            painter.setClipRect(QRectF(x, y, label.width * scale, metrics.height()), Qt::IntersectClip);
            painter.drawText(baseline, label.text);
            painter.restore();
        } else {
            painter.drawText(baseline, label.text);
        }
    }
    painter.restore();
}

void setUpPdfWriter(QPdfWriter &writer, const Sheet &sheet, int dotsPerInch)
{
    writer.setResolution(dotsPerInch);
    writer.setPageLayout(sheet.layout().page.pageLayout());
    writer.setCreator(QStringLiteral("vorbemessung"));
    writer.setTitle(QStringLiteral("Statische Vorbemessung"));
}

bool writePdf(const Sheet &sheet, const QString &fileName, QString *error)
{
    QPdfWriter writer(fileName);
    setUpPdfWriter(writer, sheet);
    const SheetPainter sheetPainter(sheet);
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(fileName);
        return false;
    }
    sheetPainter.paint(painter);
    if (!painter.end()) {
        if (error)
            *error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(fileName);
        return false;
    }
    return true;
}

} // namespace report
