#include "reports/sheetpainter.h"

#include "reports/resources.h"

#include <QtCore/QDebug>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QXmlStreamReader>
#include <QtGui/QColor>
#include <QtGui/QFontDatabase>
#include <QtGui/QFontMetricsF>
#include <QtGui/QPainter>
#include <QtGui/QPdfWriter>
#include <QtGui/QTransform>
#include <QtSvg/QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace report
{

// A label of a drawing, printed by the sheet painter as text of the page rather than by the SVG
// renderer, which turns every letter into an outline: the labels stay searchable and selectable
// in the PDF, and the page is a fraction of the size, so it is written and sent much faster.
struct DrawingText {
    QPointF anchor; // the start, middle or end of the baseline, in the drawing's own units
    Qt::Alignment align = Qt::AlignLeft;
    QString family;
    double size = 0; // font size, in the drawing's units
    bool bold = false;
    QColor colour;
    QString text;
};

// A drawing as the sheet painter prints it: the SVG without the labels taken out of it (none when
// the drawing cannot be loaded), and those labels.
struct Drawing {
    std::shared_ptr<QSvgRenderer> renderer;
    std::shared_ptr<const QList<DrawingText>> texts;
};

namespace
{
QString lookUpFamily(const QString &family);

// The font of a sheet's text, at a size in points of the device. Kerning is off, as in the
// design, and outlines are preferred so that the printer gets the type itself.
QFont sheetFont(const QString &family, double pointSize, bool bold, bool underline = false)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

double svgNumber(const QXmlStreamAttributes &attributes, QLatin1StringView name, bool *ok)
{
    const QStringView value = attributes.value(name);
    bool converted = false;
    const double number = value.trimmed().toDouble(&converted);
    if (!converted || !std::isfinite(number))
        *ok = false;
    return number;
}

// Takes the plain labels out of a drawing: <text> elements directly under a root that passes no
// text style down, with one run of characters, a position, a size, and no transform or style
// sheet of their own. Anything else stays in the drawing for the SVG renderer, which draws it as
// before.
Drawing splitDrawing(const QString &resource)
{
    Drawing drawing;
    QList<DrawingText> texts;
    QFile file(resource);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QString svg = QString::fromUtf8(bytes);

    struct Cut {
        qsizetype from, to;
    };
    QList<Cut> cuts;
    QXmlStreamReader xml(svg);
    qsizetype tokenStart = 0;
    int depth = 0;
    bool rootPassesStyle = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (depth == 1) {
                const QXmlStreamAttributes a = xml.attributes();
                for (const char *inherited :
                     {"style", "class", "transform", "fill", "font-family", "font-size", "font-weight",
                      "font-style", "text-anchor", "fill-opacity", "opacity"})
                    rootPassesStyle = rootPassesStyle || a.hasAttribute(QLatin1String(inherited));
            } else if (depth == 2 && !rootPassesStyle && xml.name() == QLatin1String("text")) {
                const QXmlStreamAttributes a = xml.attributes();
                bool ok =
                    !a.hasAttribute(QLatin1String("transform")) && !a.hasAttribute(QLatin1String("style")) &&
                    !a.hasAttribute(QLatin1String("class")) && a.hasAttribute(QLatin1String("font-size"));
                DrawingText text;
                text.anchor =
                    QPointF(svgNumber(a, QLatin1String("x"), &ok), svgNumber(a, QLatin1String("y"), &ok));
                text.size = svgNumber(a, QLatin1String("font-size"), &ok);
                text.family = a.value(QLatin1String("font-family")).toString();
                const QStringView weight = a.value(QLatin1String("font-weight"));
                text.bold = weight == QLatin1String("bold") || weight.toInt() >= 600;
                const QStringView anchor = a.value(QLatin1String("text-anchor"));
                text.align = anchor == QLatin1String("middle") ? Qt::AlignHCenter
                             : anchor == QLatin1String("end")  ? Qt::AlignRight
                                                               : Qt::AlignLeft;
                const QStringView fill = a.value(QLatin1String("fill"));
                text.colour = fill.isEmpty() ? QColor(Qt::black) : QColor::fromString(fill);
                ok = ok && text.size > 0 && text.colour.isValid() && fill != QLatin1String("none");
                // The content: one run of characters at most, then the element's end. A child
                // element is counted like any other, and leaves the label to the renderer.
                QXmlStreamReader::TokenType next = xml.readNext();
                if (next == QXmlStreamReader::Characters) {
                    text.text = xml.text().toString().simplified();
                    next = xml.readNext();
                }
                const bool closed = next == QXmlStreamReader::EndElement;
                if (closed)
                    --depth;
                else if (next == QXmlStreamReader::StartElement)
                    ++depth;
                ok = ok && closed;
                // The reader has looked one character ahead at the end of the token before, so the
                // element starts at the last '<' up to there.
                const qsizetype from = svg.lastIndexOf(QLatin1Char('<'), tokenStart);
                const qsizetype to = xml.characterOffset();
                ok = ok && from >= 0 && QStringView(svg).sliced(from).startsWith(QLatin1String("<text")) &&
                     QStringView(svg).first(to).endsWith(QLatin1String("</text>"));
                if (ok) {
                    cuts.append(Cut{from, to});
                    if (!text.text.isEmpty())
                        texts.append(text);
                }
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
        tokenStart = xml.characterOffset();
    }
    if (xml.hasError()) {
        // Leave a drawing the splitter cannot read whole to the renderer, as it stands.
        texts.clear();
        cuts.clear();
    }
    for (auto cut = cuts.crbegin(); cut != cuts.crend(); ++cut)
        svg.remove(cut->from, cut->to - cut->from);
    if (!cuts.isEmpty()) {
        drawing.renderer = std::make_shared<QSvgRenderer>(svg.toUtf8());
        drawing.texts = std::make_shared<const QList<DrawingText>>(std::move(texts));
    }
    if (!drawing.renderer || !drawing.renderer->isValid()) {
        drawing.renderer = std::make_shared<QSvgRenderer>(bytes);
        drawing.texts.reset();
    }
    if (!drawing.renderer->isValid())
        drawing.renderer.reset();
    return drawing;
}

// Drawings are parsed once per run: every print of a sheet uses the same few files.
Drawing drawing(const QString &resource)
{
    static QHash<QString, Drawing> parsed;
    auto found = parsed.find(resource);
    if (found == parsed.end())
        found = parsed.insert(resource, splitDrawing(resource));
    return found.value();
}

// Where the SVG renderer puts the drawing's own units when it renders into target: the view box
// scaled into the target, either filling it or keeping its proportions and centred.
QTransform drawingToTarget(const QRectF &viewBox, const QRectF &target, bool keepAspect)
{
    QTransform transform;
    if (viewBox.isEmpty())
        return transform;
    if (keepAspect) {
        const QSizeF size = viewBox.size().scaled(target.size(), Qt::KeepAspectRatio);
        transform.translate(target.x() + (target.width() - size.width()) / 2,
                            target.y() + (target.height() - size.height()) / 2);
        transform.scale(size.width() / viewBox.width(), size.height() / viewBox.height());
    } else {
        transform.translate(target.x(), target.y());
        transform.scale(target.width() / viewBox.width(), target.height() / viewBox.height());
    }
    transform.translate(-viewBox.x(), -viewBox.y());
    return transform;
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

namespace
{
// The least a planner's text keeps from a designed text or a drawing beside it: two blanks.
constexpr double kRoomGap = 8;

// Where a label's text stands vertically, in band pixels: its box from the top.
std::pair<double, double> lineSpan(const Label &label)
{
    return {label.top, label.top + textMetrics(label.font).height};
}
} // namespace

SheetPainter::SheetPainter(const Sheet &sheet) : m_sheet(sheet)
{
    vb::initResources();
    for (const Label &label : sheet.layout().labels)
        if (!m_families.contains(label.font.family))
            m_families.insert(label.font.family, resolvedFamily(label.font.family));
    for (const Picture &picture : sheet.layout().pictures) {
        if (!picture.on || m_drawings.contains(picture.resource) || m_logos.contains(picture.resource))
            continue;
        if (picture.plannerLogo) {
            // The planner's own file: one that does not load leaves its place empty.
            if (const vb::Result<Logo> logo = loadLogo(picture.resource))
                m_logos.insert(picture.resource, logo.value());
            else if (!m_missing.contains(picture.resource))
                m_missing.append(picture.resource);
            continue;
        }
        const Drawing &loaded = *m_drawings.insert(picture.resource, drawing(picture.resource));
        if (!loaded.renderer) {
            qWarning("report: drawing %s of %s cannot be loaded from %s", qPrintable(picture.name),
                     qPrintable(sheet.layout().name), qPrintable(picture.resource));
            m_missing.append(picture.resource);
        }
        if (loaded.texts)
            for (const DrawingText &text : *loaded.texts)
                if (!m_families.contains(text.family))
                    m_families.insert(text.family, resolvedFamily(text.family));
    }
    const QList<Label> &labels = sheet.layout().labels;
    for (qsizetype i = 0; i < labels.size(); ++i)
        if (labels.at(i).room.width > 0 && !labels.at(i).text.isEmpty())
            m_placed.insert(i, place(labels.at(i)));
}

QRectF SheetPainter::drawnArea(const Picture &picture) const
{
    const QRectF rect(picture.rect);
    const auto found = m_drawings.constFind(picture.resource);
    if (picture.stretch || picture.plannerLogo || found == m_drawings.constEnd() || !found->renderer)
        return rect;
    // A drawing at its own size from the corner, brought down to its rectangle where it is larger.
    QSizeF size = QSizeF(found->renderer->defaultSize());
    if (size.width() > rect.width() || size.height() > rect.height())
        size = size.scaled(rect.size(), Qt::KeepAspectRatio);
    return QRectF(rect.topLeft(), size);
}

SheetPainter::Placed SheetPainter::place(const Label &label) const
{
    // The room from the label's edge, narrowed by the designed texts and the drawings of its row:
    // for a left-aligned label those to its right, for a right-aligned one those to its left; a
    // drawing over a right-aligned label's edge moves the edge before the drawing.
    const bool right = label.align == Align::Right;
    double low = right ? label.x - label.room.width : label.x;
    double high = right ? label.x : label.x + label.room.width;
    const auto [top, bottom] = lineSpan(label);
    const auto onRow = [top = top, bottom = bottom](double otherTop, double otherBottom) {
        return std::min(bottom, otherBottom) - std::max(top, otherTop) > 1.0;
    };
    const auto narrow = [&](double left, double rightEdge, bool drawing) {
        if (right) {
            if (rightEdge <= label.x)
                low = std::max(low, rightEdge + kRoomGap);
            else if (drawing && left < label.x)
                high = std::min(high, left - kRoomGap);
        } else if (left >= label.x) {
            high = std::min(high, left - kRoomGap);
        }
    };
    for (const Label &other : m_sheet.layout().labels) {
        // Rules are lines below their row, and a planner's text is fitted itself.
        if (&other == &label || other.band != label.band || other.width > 0 || other.room.width > 0 ||
            other.text.trimmed().isEmpty())
            continue;
        const auto [otherTop, otherBottom] = lineSpan(other);
        if (!onRow(otherTop, otherBottom))
            continue;
        // Blanks at the ends of a designed text are room, as in the design.
        const QString trimmed = other.text.trimmed();
        const qsizetype lead = other.text.indexOf(trimmed);
        const double start =
            (other.align == Align::Right ? other.x - textWidth(other.font, other.text) : other.x) +
            textWidth(other.font, QStringView(other.text).first(lead));
        narrow(start, start + textWidth(other.font, trimmed), false);
    }
    for (const Picture &picture : m_sheet.layout().pictures) {
        if (!picture.on || picture.band != label.band)
            continue;
        const QRectF area = drawnArea(picture);
        if (onRow(area.top(), area.bottom()))
            narrow(area.left(), area.right(), true);
    }
    low = std::max(low, 0.0);
    high = std::min(high, m_sheet.bandWidth());

    Placed placed;
    placed.x = right ? high : low;
    placed.text = fitText(label.text, label.font, std::max(0.0, high - low), label.room.height);
    return placed;
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
    const double pointsPerDot = 72.0 * deviceFontScale / deviceDotsPerInch;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);

    for (const Picture &picture : m_sheet.layout().pictures) {
        if (!picture.on)
            continue;
        if (picture.plannerLogo) {
            const auto logo = m_logos.constFind(picture.resource);
            const double top = m_sheet.bandTop(picture.band);
            if (logo != m_logos.constEnd() && top >= 0)
                paintLogo(painter, *logo,
                          QRectF((left + picture.rect.left()) * scale, (top + picture.rect.top()) * scale,
                                 picture.rect.width() * scale, picture.rect.height() * scale));
            continue;
        }
        const auto found = m_drawings.constFind(picture.resource);
        if (found == m_drawings.constEnd() || !found->renderer)
            continue;
        QSvgRenderer &renderer = *found->renderer;
        const double top = m_sheet.bandTop(picture.band);
        if (top < 0)
            continue;
        const QRectF box((left + picture.rect.left()) * scale, (top + picture.rect.top()) * scale,
                         picture.rect.width() * scale, picture.rect.height() * scale);
        painter.save();
        QRectF target = box;
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
            target = QRectF(box.topLeft(), size);
            renderer.render(&painter, target);
        }
        if (found->texts)
            paintDrawingTexts(painter, *found->texts,
                              drawingToTarget(renderer.viewBoxF(), target, !picture.stretch), pointsPerDot);
        painter.restore();
    }

    // A sheet uses a handful of fonts for many labels; each is set up once.
    struct DeviceFont {
        QFont font;
        QFontMetricsF metrics;
    };
    QHash<QString, std::shared_ptr<DeviceFont>> fonts;
    const auto deviceFont = [&](const LabelFont &style, double share) -> const DeviceFont & {
        const QString key = QStringLiteral("%1/%2/%3%4/%5")
                                .arg(style.family)
                                .arg(style.pixelSize)
                                .arg(style.bold)
                                .arg(style.underline)
                                .arg(share);
        std::shared_ptr<DeviceFont> &found = fonts[key];
        if (!found) {
            painter.setFont(sheetFont(m_families.value(style.family, style.family),
                                      style.pixelSize * share * scale * pointsPerDot, style.bold,
                                      style.underline));
            found = std::make_shared<DeviceFont>(
                DeviceFont{painter.font(), QFontMetricsF(painter.font(), painter.device())});
        }
        return *found;
    };
    const QList<Label> &labels = m_sheet.layout().labels;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const Label &label = labels.at(i);
        if (label.text.isEmpty())
            continue;
        const double top = m_sheet.bandTop(label.band);
        if (top < 0)
            continue;
        const DeviceFont &full = deviceFont(label.font, 1.0);
        // The label's box starts at its top; the text's ascent fills the box from there.
        const double y = (top + label.top) * scale;

        if (const auto placed = m_placed.constFind(i); placed != m_placed.constEnd()) {
            // A planner's text as it fits its room: the first baseline where the full-size text
            // has it, a second line one line lower.
            const DeviceFont &set = deviceFont(label.font, placed->text.scale);
            painter.setFont(set.font);
            double baseline = y + full.metrics.ascent();
            for (const QString &line : placed->text.lines) {
                double x = (left + placed->x) * scale;
                if (label.align == Align::Right)
                    x -= set.metrics.horizontalAdvance(line);
                painter.drawText(QPointF(x, baseline), line);
                baseline += set.metrics.lineSpacing();
            }
            continue;
        }

        painter.setFont(full.font);
        const QFontMetricsF &metrics = full.metrics;
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

void SheetPainter::paintDrawingTexts(QPainter &painter, const QList<DrawingText> &texts,
                                     const QTransform &toDevice, double pointsPerDot) const
{
    // The labels keep their size in the drawing's units; where a stretched drawing is scaled more
    // one way than the other, they take the vertical scale and keep their proportions.
    const double unit = std::hypot(toDevice.m12(), toDevice.m22());
    for (const DrawingText &text : texts) {
        painter.setFont(sheetFont(m_families.value(text.family, text.family), text.size * unit * pointsPerDot,
                                  text.bold));
        painter.setPen(text.colour);
        const QFontMetricsF metrics(painter.font(), painter.device());
        QPointF baseline = toDevice.map(text.anchor);
        const double width = metrics.horizontalAdvance(text.text);
        if (text.align == Qt::AlignHCenter)
            baseline.rx() -= width / 2;
        else if (text.align == Qt::AlignRight)
            baseline.rx() -= width;
        painter.drawText(baseline, text.text);
    }
}

void setUpPdfWriter(QPdfWriter &writer, const Sheet &sheet, int dotsPerInch)
{
    writer.setResolution(dotsPerInch);
    writer.setPageLayout(sheet.layout().page.pageLayout());
    writer.setCreator(QStringLiteral("vorbemessung"));
    writer.setTitle(QStringLiteral("Statische Vorbemessung"));
}

vb::Text pdfNotMade()
{
    return {QStringLiteral("Das PDF kann nicht erzeugt werden."), QStringLiteral("The PDF cannot be made.")};
}

vb::Result<>
writePdfFile(const QString &fileName,
             const std::function<vb::Result<>(QPdfWriter &writer, const vb::AtomicFile &file)> &paint)
{
    // The document goes to a new file beside the target that replaces it only when complete: a
    // failure leaves no half file and an existing file as it was, and a full disk is told by the
    // system's reason.
    vb::AtomicFile file(fileName);
    vb::Text problem;
    if (file.open()) {
        QPdfWriter writer(file.device());
        if (const vb::Result<> painted = paint(writer, file); !painted)
            problem = painted.reason();
    }
    // A write the disk did not take is the reason the writer failed.
    if (!file.failure() && problem.isEmpty())
        file.commit();
    std::optional<vb::Text> failed = file.failure();
    if (!failed && !problem.isEmpty())
        failed = vb::fileReason(fileName, problem);
    if (!failed)
        return {};
    return vb::failure({QStringLiteral("Das PDF kann nicht gespeichert werden:\n") + failed->german,
                        QStringLiteral("The PDF cannot be saved:\n") + failed->english});
}

vb::Result<> writePdf(const Sheet &sheet, const QString &fileName, const QString &title)
{
    return writePdfFile(fileName, [&](QPdfWriter &writer, const vb::AtomicFile &) -> vb::Result<> {
        setUpPdfWriter(writer, sheet);
        if (!title.isEmpty())
            writer.setTitle(title);
        const SheetPainter sheetPainter(sheet);
        QPainter painter;
        if (!painter.begin(&writer))
            return vb::failure(pdfNotMade());
        sheetPainter.paint(painter);
        if (!painter.end())
            return vb::failure(pdfNotMade());
        return {};
    });
}

} // namespace report
