#include "pdfwords.h"

#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>

#include <algorithm>

QByteArray runTool(const QString &program, const QStringList &arguments, bool *ok, int timeoutMs)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForStarted(timeoutMs) && process.waitForFinished(timeoutMs);
    if (!finished)
        process.kill();
    if (ok)
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return process.readAllStandardOutput();
}

static QString unescapeHtml(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

PdfPage readPdfPage(const QString &fileName, int number)
{
    PdfPage page;
    bool ok = false;
    const QString html = QString::fromUtf8(
        runTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(number), QStringLiteral("-l"),
                 QString::number(number), fileName, QStringLiteral("-")},
                &ok));
    if (!ok) {
        page.error = QStringLiteral("pdftotext could not read %1").arg(fileName);
        return page;
    }
    static const QRegularExpression pageRe(
        QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordRe(QString::fromLatin1(
        R"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>)re"));
    const QRegularExpressionMatch pageMatch = pageRe.match(html);
    if (!pageMatch.hasMatch()) {
        page.error = QStringLiteral("%1 has no page").arg(fileName);
        return page;
    }
    page.size = QSizeF(pageMatch.captured(1).toDouble(), pageMatch.captured(2).toDouble());
    for (const QRegularExpressionMatch &m : wordRe.globalMatch(html)) {
        const double x0 = m.captured(1).toDouble(), y0 = m.captured(2).toDouble();
        const double x1 = m.captured(3).toDouble(), y1 = m.captured(4).toDouble();
        page.words.append(PdfWord{unescapeHtml(m.captured(5)), QRectF(QPointF(x0, y0), QPointF(x1, y1))});
    }
    return page;
}

QStringList PdfPage::rows() const
{
    QList<PdfWord> sorted = words;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const PdfWord &a, const PdfWord &b) { return a.box.top() < b.box.top(); });
    QList<QList<PdfWord>> groups;
    for (const PdfWord &word : std::as_const(sorted)) {
        if (groups.isEmpty() || word.box.top() - groups.last().first().box.top() > 1.0)
            groups.append(QList<PdfWord>());
        groups.last().append(word);
    }
    QStringList result;
    for (QList<PdfWord> &group : groups) {
        std::stable_sort(group.begin(), group.end(),
                         [](const PdfWord &a, const PdfWord &b) { return a.box.left() < b.box.left(); });
        QStringList texts;
        for (const PdfWord &word : std::as_const(group))
            texts.append(word.text);
        result.append(texts.join(QLatin1Char(' ')));
    }
    return result;
}

QString PdfPage::text() const
{
    return rows().join(QLatin1Char(' '));
}
