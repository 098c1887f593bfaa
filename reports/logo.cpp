#include "reports/logo.h"

#include "core/userfile.h"

#include <QtCore/QBuffer>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QHash>
#include <QtGui/QImageReader>
#include <QtGui/QPainter>
#include <QtSvg/QSvgRenderer>

#include <utility>

namespace report
{

namespace
{
// A letterhead logo is a small file; anything larger is not read at all.
constexpr qsizetype kMaxLogoBytes = 8 * 1024 * 1024;

// Raster logos are kept at 600 dpi of their place at most: sharp on paper, small in the PDF.
constexpr double kRasterDotsPerPagePixel = 600.0 / 96.0;

vb::Failure unreadable(const QString &file, const vb::Text &why)
{
    const QString shown = QDir::toNativeSeparators(file);
    return vb::failure({QStringLiteral("Das Logo %1 kann nicht gelesen werden: %2").arg(shown, why.german),
                        QStringLiteral("The logo %1 cannot be read: %2").arg(shown, why.english)});
}

const vb::Text kNotALogo{QStringLiteral("Es ist weder ein SVG noch ein Bild, das das Programm liest."),
                         QStringLiteral("It is neither an SVG nor an image the program reads.")};

vb::Result<Logo> readLogo(const QString &file)
{
    const vb::Result<QByteArray> bytes = vb::readRegularFile(file, kMaxLogoBytes);
    if (!bytes)
        return unreadable(file, bytes.reason());

    // The image reader knows a format by its content; an SVG is left to the SVG renderer, which
    // keeps it vector on paper.
    QBuffer buffer;
    buffer.setData(bytes.value());
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    Logo logo;
    if (format.isEmpty() || format == "svg" || format == "svgz") {
        auto renderer = std::make_shared<QSvgRenderer>(bytes.value());
        if (!renderer->isValid() || renderer->defaultSize().isEmpty())
            return unreadable(file, kNotALogo);
        logo.size = QSizeF(renderer->defaultSize());
        logo.svg = std::move(renderer);
        return logo;
    }
    reader.setAutoTransform(true);
    const QSize own = reader.size();
    const QSize most(qRound(kLogoPlace.width() * kRasterDotsPerPagePixel),
                     qRound(kLogoPlace.height() * kRasterDotsPerPagePixel));
    if (own.isValid() && (own.width() > most.width() || own.height() > most.height()))
        reader.setScaledSize(own.scaled(most, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (image.isNull() || image.size().isEmpty())
        return unreadable(file, kNotALogo);
    if (image.width() > most.width() || image.height() > most.height())
        image = image.scaled(most, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    logo.size = QSizeF(image.size());
    logo.image = std::move(image);
    return logo;
}
} // namespace

vb::Result<Logo> loadLogo(const QString &file)
{
    // Keyed by the file as it stands on disk: a logo replaced during the run is read anew.
    const QFileInfo info(file);
    const QString key = QStringLiteral("%1\n%2\n%3")
                            .arg(info.absoluteFilePath())
                            .arg(info.size())
                            .arg(info.lastModified().toMSecsSinceEpoch());
    static QHash<QString, Logo> loaded;
    if (const auto found = loaded.constFind(key); found != loaded.constEnd())
        return *found;
    vb::Result<Logo> logo = readLogo(file);
    if (logo) {
        // A run uses one or two logos; a long one that changes its logo often keeps only the last few.
        if (loaded.size() >= 8)
            loaded.clear();
        loaded.insert(key, logo.value());
    }
    return logo;
}

vb::Result<> checkLogo(const QString &file)
{
    const vb::Result<Logo> logo = loadLogo(file);
    if (!logo)
        return logo.failure();
    return {};
}

void paintLogo(QPainter &painter, const Logo &logo, const QRectF &place)
{
    if (logo.size.isEmpty() || place.isEmpty())
        return;
    const QSizeF size = logo.size.scaled(place.size(), Qt::KeepAspectRatio);
    const QRectF target(place.right() - size.width(), place.top() + (place.height() - size.height()) / 2,
                        size.width(), size.height());
    if (logo.svg) {
        logo.svg->setAspectRatioMode(Qt::IgnoreAspectRatio);
        logo.svg->render(&painter, target);
    } else if (!logo.image.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(target, logo.image);
        painter.restore();
    }
}

} // namespace report
