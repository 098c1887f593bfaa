#pragma once

// A planner's own logo for the letterhead of the sheets and the cover: an SVG file or a raster
// image (PNG, JPEG, …). The same loader judges a file chosen for the letterhead and gives the
// painter what it prints, so that a logo the check takes is a logo that prints.

#include "core/result.h"

#include <QtCore/QRect>
#include <QtCore/QSizeF>
#include <QtCore/QString>
#include <QtGui/QImage>

#include <memory>

class QPainter;
class QSvgRenderer;

namespace report
{

// The logo's place in the page header band of every sheet and cover page, in page pixels.
inline constexpr QRect kLogoPlace{460, 15, 130, 20};

// A loaded logo: an SVG drawing or a raster image, and its own size (for its aspect ratio).
struct Logo {
    std::shared_ptr<QSvgRenderer> svg;
    QImage image;
    QSizeF size;
};

// Loads the logo file: read as a regular file of a few megabytes at most, then as an SVG (a valid
// drawing of a size) or as an image Qt reads. A large raster image is brought down to what its
// place needs on paper. The same file, unchanged on disk, gives the same loaded logo during a run,
// so that a booklet's PDF holds its image once. On failure the reason names the file.
vb::Result<Logo> loadLogo(const QString &file);

// Whether the file loads as a logo; on failure the reason names the file, in both languages.
vb::Result<> checkLogo(const QString &file);

// Paints the logo into `place` (device coordinates), scaled to fit keeping its aspect ratio,
// flush with the place's right edge and centred in its height.
void paintLogo(QPainter &painter, const Logo &logo, const QRectF &place);

} // namespace report
