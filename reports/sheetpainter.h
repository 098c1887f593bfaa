#pragma once

#include "core/userfile.h"
#include "reports/logo.h"
#include "reports/sheet.h"
#include "reports/textfit.h"

#include <QtCore/QHash>
#include <QtCore/QString>

#include <functional>
#include <memory>

class QPainter;
class QPaintDevice;
class QPdfWriter;
class QTransform;

namespace report
{

struct Drawing;
struct DrawingText;

// The font family that stands in for a sheet's family: the family itself where it is installed,
// else its metric twin (Liberation Serif for Times New Roman, Liberation Sans for Arial), so that
// texts keep the widths the layout was drawn for.
QString resolvedFamily(const QString &family);

// Paints a sheet on any paint device. The drawings of the switched-on pictures and the planner's
// logo are loaded when the painter is made, so that painting itself does no file work; then too
// every planner's text is fitted into its room (Label::room), narrowed by the designed texts and
// the drawings on its row.
class SheetPainter
{
public:
    explicit SheetPainter(const Sheet &sheet);
    ~SheetPainter();
    SheetPainter(const SheetPainter &) = delete;
    SheetPainter &operator=(const SheetPainter &) = delete;

    // Paints with the painter's origin at the paper's top left corner (a QPrinter in full-page
    // mode, a QPdfWriter with a full-page layout); page pixels are scaled to the resolution of the
    // painter's device. Text stays text and drawings stay vector.
    void paint(QPainter &painter) const;
    void paint(QPainter &painter, double deviceDotsPerInch) const;

    // Resources of switched-on pictures that could not be loaded, a planner's logo among them
    // (their space stays empty).
    QStringList missingResources() const { return m_missing; }

private:
    // A planner's text as it is set: its lines, their size and the edge they keep to.
    struct Placed {
        FittedText text;
        double x = 0; // band pixels: the left edge, or the right edge of a right-aligned label
    };
    Placed place(const Label &label) const;
    // Where a switched-on picture draws, in pixels of its band.
    QRectF drawnArea(const Picture &picture) const;

    void paintDrawingTexts(QPainter &painter, const QList<DrawingText> &texts, const QTransform &toDevice,
                           double pointsPerDot) const;

    const Sheet &m_sheet;
    QHash<QString, Drawing> m_drawings; // by resource path
    QHash<QString, Logo> m_logos;       // by file
    QHash<qsizetype, Placed> m_placed;  // by label index: the labels with a room
    QHash<QString, QString> m_families; // sheet family -> installed family
    QStringList m_missing;
};

// Gives a PDF writer the sheet's page set-up in full-page mode, at the given resolution.
void setUpPdfWriter(QPdfWriter &writer, const Sheet &sheet, int dotsPerInch = 1200);

// Writes a PDF file that appears only complete: `paint` draws the document on a writer whose output
// goes to a new file beside the target (vb::AtomicFile), and fails with why it could not; the new
// file then replaces the target. On failure the reason names the file (with the system's reason
// where the disk did not take the file, a full disk among them), and an existing file is left as
// it was.
vb::Result<>
writePdfFile(const QString &fileName,
             const std::function<vb::Result<>(QPdfWriter &writer, const vb::AtomicFile &file)> &paint);

// Why a PDF writer could not make the document.
vb::Text pdfNotMade();

// Writes the sheet as a one-page PDF file, the page the printer gets; on failure the reason names
// the file. The file appears only complete; on failure an existing file is left untouched.
// `title` is the document title (default: the job name).
vb::Result<> writePdf(const Sheet &sheet, const QString &fileName, const QString &title = QString());

} // namespace report
