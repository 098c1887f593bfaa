#pragma once

#include "core/userfile.h"
#include "reports/sheet.h"

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

// Paints a sheet on any paint device. The drawings of the switched-on pictures are loaded when the
// painter is made, so that painting itself does no file work.
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

    // Resources of switched-on pictures that could not be loaded (their space stays empty).
    QStringList missingResources() const { return m_missing; }

private:
    void paintDrawingTexts(QPainter &painter, const QList<DrawingText> &texts, const QTransform &toDevice,
                           double pointsPerDot) const;

    const Sheet &m_sheet;
    QHash<QString, Drawing> m_drawings; // by resource path
    QHash<QString, QString> m_families; // sheet family -> installed family
    QStringList m_missing;
};

// Gives a PDF writer the sheet's page set-up in full-page mode, at the given resolution.
void setUpPdfWriter(QPdfWriter &writer, const Sheet &sheet, int dotsPerInch = 1200);

// Writes a PDF file that appears only complete: `paint` draws the document on a writer whose output
// goes to a new file beside the target (vb::AtomicFile), and returns why it could not, or nothing;
// the new file then replaces the target. On failure false with the file's name and the reason in
// *error, in both languages (the system's reason where the disk did not take the file, a full disk
// among them), and an existing file is left as it was.
bool writePdfFile(const QString &fileName, vb::Reason *error,
                  const std::function<vb::Reason(QPdfWriter &writer, const vb::AtomicFile &file)> &paint);

// Why a PDF writer could not make the document.
vb::Reason pdfNotMade();

// Writes the sheet as a one-page PDF file, the page the printer gets; false with the file's name
// and the reason in *error when it cannot. The file appears only complete; on failure an
// existing file is left untouched. `title` is the document title (default: the job name).
bool writePdf(const Sheet &sheet, const QString &fileName, vb::Reason *error = nullptr,
              const QString &title = QString());

} // namespace report
