#pragma once

#include <QtCore/QList>
#include <QtCore/QRectF>
#include <QtCore/QSizeF>
#include <QtCore/QString>
#include <QtCore/QStringList>

// The words of a PDF page as poppler's pdftotext -bbox finds them, in points from the top left.
struct PdfWord {
    QString text;
    QRectF box;
};

struct PdfPage {
    QSizeF size; // points
    QList<PdfWord> words;
    QString error; // empty when the file could be read

    // The rows of the page: words whose tops agree within a point, joined by single blanks.
    QStringList rows() const;
    // All words of the page in reading order, joined by single blanks.
    QString text() const;
};

// Reads page `page` (from 1) of a PDF file with pdftotext -bbox.
PdfPage readPdfPage(const QString &fileName, int page = 1);

// Runs a program to its end (at most timeoutMs) and returns its standard output; *ok tells whether
// it ran and exited with 0.
QByteArray runTool(const QString &program, const QStringList &arguments, bool *ok, int timeoutMs = 30000);

// Page pixels (96 dpi) to PDF points (72 dpi).
constexpr double pagePixelsToPoints(double px)
{
    return px * 72.0 / 96.0;
}
