#include "reports/textfit.h"

#include "reports/sheetpainter.h"

#include <QtCore/QHash>
#include <QtCore/QRegularExpression>
#include <QtGui/QFont>
#include <QtGui/QFontMetricsF>
#include <QtGui/QImage>

#include <cmath>
#include <memory>

namespace report
{

namespace
{
// Texts are measured as a 1200-dpi printer sets them, where the advance of a letter is its
// design width and not rounded to a screen's pixels; a page pixel is 12.5 device pixels there.
constexpr double kMeasureDotsPerPagePixel = 1200.0 / kPagePixelsPerInch;

// Measured widths may differ from the printed ones by the rounding of the font engine; a text
// is fitted this much narrower than its room.
constexpr double kWidthTolerance = 0.5;

// The steps in which a text is set smaller: 1 %.
constexpr int kScaleSteps = 30;

const QFontMetricsF &metricsOf(const LabelFont &font, double scale)
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMetre = qRound(1200.0 / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    // A few fonts in a few sizes: the cache stays small.
    static QHash<QString, std::shared_ptr<QFontMetricsF>> cache;
    const QString key = QStringLiteral("%1/%2/%3/%4")
                            .arg(font.family)
                            .arg(font.pixelSize)
                            .arg(font.bold)
                            .arg(qRound(scale * 100));
    std::shared_ptr<QFontMetricsF> &metrics = cache[key];
    if (!metrics) {
        QFont qfont(resolvedFamily(font.family));
        // Points of the 1200-dpi device: pixels × 12.5 × 72 / 1200.
        qfont.setPointSizeF(font.pixelSize * scale * kMeasureDotsPerPagePixel * 72.0 / 1200.0);
        qfont.setBold(font.bold);
        qfont.setKerning(false);
        qfont.setStyleStrategy(QFont::PreferOutline);
        metrics = std::make_shared<QFontMetricsF>(qfont, &device);
    }
    return *metrics;
}

// The text after its first line as wrapText made it, where blanks between words became one.
QString restAfter(const QString &text, const QString &first)
{
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && text.at(i).isSpace())
            ++i;
    };
    skipBlanks();
    for (const QChar c : first) {
        if (c == QLatin1Char(' '))
            skipBlanks();
        else if (i < text.size())
            ++i;
    }
    return text.mid(i).trimmed();
}

double roundedScale(double scale)
{
    return std::floor(scale * 100.0 + 1e-9) / 100.0;
}
} // namespace

double textWidth(const LabelFont &font, QStringView text, double scale)
{
    return metricsOf(font, scale).horizontalAdvance(text.toString()) / kMeasureDotsPerPagePixel;
}

TextMetrics textMetrics(const LabelFont &font, double scale)
{
    const QFontMetricsF &m = metricsOf(font, scale);
    TextMetrics result;
    result.ascent = m.ascent() / kMeasureDotsPerPagePixel;
    result.descent = m.descent() / kMeasureDotsPerPagePixel;
    result.lineSpacing = m.lineSpacing() / kMeasureDotsPerPagePixel;
    result.height = result.ascent + result.descent;
    return result;
}

QStringList wrapText(const QString &text, double width, const std::function<double(QStringView)> &measure)
{
    QStringList lines;
    QString line;
    // A word that does not fit a line of its own is broken after its last hyphen that fits, else
    // where the line is full, at least after one letter so that breaking always gets on.
    const auto breakWord = [&](QString word) {
        while (!word.isEmpty() && measure(word) > width) {
            qsizetype n = 1;
            while (n < word.size() && measure(QStringView(word).first(n + 1)) <= width)
                ++n;
            if (const qsizetype hyphen = QStringView(word).first(n).lastIndexOf(QLatin1Char('-'));
                hyphen > 0 && hyphen + 1 < n)
                n = hyphen + 1;
            // Keep a surrogate pair whole.
            if (n < word.size() && word.at(n).isLowSurrogate() && n > 1)
                --n;
            lines.append(word.first(n));
            word.remove(0, n);
        }
        return word;
    };
    // A per cent sign stays with its number ("87 %").
    static const QRegularExpression blanks(QStringLiteral("\\s+(?!%)"));
    for (const QString &word : text.simplified().split(blanks, Qt::SkipEmptyParts)) {
        if (line.isEmpty()) {
            line = breakWord(word);
            continue;
        }
        const QString longer = line + QLatin1Char(' ') + word;
        if (measure(longer) <= width) {
            line = longer;
            continue;
        }
        // A list of values breaks after a comma where the line's second half holds one, so that
        // a value stays with its name ("Ix 112.1 cm⁴," / "Wx 22.4 cm³").
        const QStringList words = line.split(QLatin1Char(' '));
        qsizetype comma = -1;
        for (qsizetype k = words.size() - 2; k >= (words.size() - 1) / 2 && k >= 1; --k)
            if (words.at(k).endsWith(QLatin1Char(','))) {
                comma = k;
                break;
            }
        if (comma >= 0) {
            const QString carried =
                QStringList(words.mid(comma + 1)).join(QLatin1Char(' ')) + QLatin1Char(' ') + word;
            if (measure(carried) <= width) {
                lines.append(QStringList(words.first(comma + 1)).join(QLatin1Char(' ')));
                line = carried;
                continue;
            }
        }
        lines.append(line);
        line = breakWord(word);
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

QString shortenText(const QString &text, double width, const std::function<double(QStringView)> &measure)
{
    const QString ellipsis(QChar(0x2026));
    if (measure(text) <= width)
        return text;
    // The longest start that fits, found by halving.
    qsizetype fits = 0, tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype n = (fits + tooLong) / 2;
        if (measure(QString(QStringView(text).first(n).trimmed().toString() + ellipsis)) <= width)
            fits = n;
        else
            tooLong = n;
    }
    if (fits > 0 && text.at(fits - 1).isHighSurrogate())
        --fits;
    return QStringView(text).first(fits).trimmed().toString() + ellipsis;
}

FittedText fitText(const QString &text, const LabelFont &font, double width, double height)
{
    FittedText fitted;
    const double room = width - kWidthTolerance;
    const auto measureAt = [&font](double scale) {
        return [&font, scale](QStringView t) { return textWidth(font, t, scale); };
    };
    const double full = textWidth(font, text);
    if (full <= room || text.isEmpty()) {
        fitted.lines = {text};
        return fitted;
    }

    // Smaller, on one line: the share the width asks for, or a step or two smaller where the
    // font's widths do not scale exactly.
    const double asked = roundedScale(room / full);
    for (int step = 0; step <= 3 && asked - step / 100.0 >= kSmallestTextScale - 1e-9; ++step) {
        const double scale = roundedScale(asked - step / 100.0 + 1e-9);
        if (textWidth(font, text, scale) <= room) {
            fitted.scale = scale;
            fitted.lines = {text};
            return fitted;
        }
    }

    // On two lines, at the largest size at which both fit and the second ends within the room.
    const double fullAscent = textMetrics(font).ascent;
    const auto twoLinesFit = [&](double scale) {
        const TextMetrics m = textMetrics(font, scale);
        return fullAscent + m.lineSpacing + m.descent <= height;
    };
    for (int step = 0; step <= kScaleSteps; ++step) {
        const double scale = roundedScale(1.0 - step / 100.0 + 1e-9);
        if (!twoLinesFit(scale))
            continue;
        const QStringList lines = wrapText(text, room, measureAt(scale));
        if (lines.size() <= 2) {
            fitted.scale = scale;
            fitted.lines = lines;
            return fitted;
        }
    }

    // Cut short at the smallest size: on the second line where there is one.
    fitted.scale = kSmallestTextScale;
    fitted.shortened = true;
    const auto measure = measureAt(kSmallestTextScale);
    if (twoLinesFit(kSmallestTextScale)) {
        const QStringList lines = wrapText(text, room, measure);
        const QString &first = lines.first();
        fitted.lines = {first, shortenText(restAfter(text, first), room, measure)};
        return fitted;
    }
    fitted.lines = {shortenText(text, room, measure)};
    return fitted;
}

} // namespace report
