// Long planner's texts on the six sheets and the cover, in both languages: every text keeps its
// room. Each page is written as PDF and read back word by word; no two words overlap and no word
// leaves the paper's printable area.

#include "sheetfixtures.h"
#include "sheetpdf.h"

#include "reports/booklet.h"
#include "reports/frame.h"

#include <QtCore/QSet>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>

using namespace report;

namespace
{
// The form texts with long planner's texts that fit by a smaller font, or with overlong ones that
// run on far beyond their rooms and are cut short.
FormTexts withPlannerTexts(FormTexts texts, bool overlong)
{
    const QString more =
        overlong ? QStringLiteral(", Erdgeschoss Nordseite, Pfosten-Riegel-Fassade mit Zusatzlast "
                                  "aus dem außenliegenden Sonnenschutz, Bauabschnitt 2")
                 : QString();
    texts.header = {"Bürogebäude am Stadtpark, Haus B" + more,
                    "1.01 EG Pfosten Achse A-F" + more,
                    "Metallbau Kröger GmbH & Co. KG" + more,
                    "Dipl.-Ing. (FH) S. Weiß" + more,
                    "08.12.2026" + more,
                    "10:15:00" + more};
    texts.letterhead.companyLine =
        "Metallbau Kröger GmbH & Co. KG · Am Hafen 12 · 28197 Bremen · Tel. 0421 123456" + more;
    texts.description = "EG Pfosten Achse A-F" + more;
    texts.sectionName = "Musterprofil 50/120/3,5 verstärkt" + more;
    texts.sectionUtilisation = 87;
    return texts;
}

QString describe(const PdfWord &w)
{
    return QString::asprintf("\"%s\" (%.1f, %.1f – %.1f, %.1f pt)", qPrintable(w.text), w.box.left(),
                             w.box.top(), w.box.right(), w.box.bottom());
}

// The first two words whose ink overlaps by more than 1.5 pt both ways (a raised exponent may
// touch its unit), or the first word outside the paper less 5 mm at every edge, or above
// `headerBottom` outside the sheet's side margins. Empty when there is none. A rule (a row of
// underscores) inks only the foot of its box.
QString layoutFault(const PdfPage &page, double sideMargin, double headerBottom)
{
    if (!page.error.isEmpty() || page.words.isEmpty())
        return page.error.isEmpty() ? QStringLiteral("the page is empty") : page.error;
    const double m = 5 * 72 / 25.4; // 5 mm in points
    const QRectF printable(m, m, page.size.width() - 2 * m, page.size.height() - 2 * m);
    const QRectF header(sideMargin - 0.5, 0, page.size.width() - 2 * sideMargin + 1, headerBottom);
    const auto inked = [](const PdfWord &w) {
        const bool rule = !w.text.isEmpty() && w.text.count(QLatin1Char('_')) == w.text.size();
        return rule ? w.box.adjusted(0, w.box.height() * 3 / 4, 0, 0) : w.box;
    };
    for (qsizetype i = 0; i < page.words.size(); ++i) {
        const PdfWord &a = page.words.at(i);
        if (!printable.contains(a.box) || (a.box.top() < headerBottom && !header.contains(a.box)))
            return describe(a) + QStringLiteral(" leaves the printable area");
        for (qsizetype j = i + 1; j < page.words.size(); ++j) {
            const QRectF shared = inked(a).intersected(inked(page.words.at(j)));
            if (shared.width() > 1.5 && shared.height() > 1.5)
                return describe(a) + QStringLiteral(" overlaps ") + describe(page.words.at(j));
        }
    }
    return QString();
}

// Whether `word` stands among the printed words, whole or broken into pieces a column wide.
bool inPieces(const QString &word, const QSet<QString> &printed)
{
    QList<bool> reached(word.size() + 1, false);
    reached[0] = true;
    for (qsizetype from = 0; from < word.size(); ++from)
        for (qsizetype to = from + 1; reached[from] && to <= word.size(); ++to)
            reached[to] = reached[to] || printed.contains(word.mid(from, to - from));
    return reached[word.size()];
}
} // namespace

class TestOverlap : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void sheetsKeepTheirRooms_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("option");
        QTest::addColumn<bool>("overlong");
        for (int program = 1; program <= 6; ++program)
            for (const bool english : {false, true})
                for (const bool option : {false, true})
                    for (const bool overlong : {false, true})
                        if (!option || (program != 2 && program != 4)) // 2 and 4 have no such option
                            QTest::addRow("Programm %d, %s%s, %s texts", program,
                                          english ? "English" : "German", option ? ", other option" : "",
                                          overlong ? "overlong" : "long")
                                << program << english << option << overlong;
    }
    // The long texts print whole, smaller where they must; the overlong ones end in "…".
    void sheetsKeepTheirRooms()
    {
        QFETCH(int, program);
        QFETCH(bool, english);
        QFETCH(bool, option);
        QFETCH(bool, overlong);
        const FormTexts texts = withPlannerTexts(programInput(program, english, option), overlong);
        const Sheet sheet = makeSheet(program, texts);
        const PdfPage page = printSheetToPdf(sheet, m_dir.filePath(QStringLiteral("sheet.pdf")));
        const QString fault = layoutFault(page, pagePixelsToPoints(sheet.bandLeft()),
                                          pagePixelsToPoints(sheet.bandTop(kColumnHeaderBand)));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        const QString text = page.text();
        if (overlong)
            QVERIFY2(text.contains(QChar(0x2026)), qPrintable(text));
        else
            for (const QString &whole :
                 {texts.header.project, texts.header.positionNumber, texts.header.company,
                  texts.header.creator, texts.letterhead.companyLine, texts.description,
                  sectionLine(texts.sectionName, 87, english)})
                QVERIFY2(text.contains(whole),
                         qPrintable(QStringLiteral("\"%1\" not whole in\n%2").arg(whole, text)));
    }

    void coverKeepsEveryText_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("overlong");
        for (const bool english : {false, true})
            for (const bool overlong : {false, true})
                QTest::addRow("%s, %s texts", english ? "English" : "German", overlong ? "overlong" : "long")
                    << english << overlong;
    }
    // The cover wraps what does not fit and cuts nothing: every word of every text stands on one
    // of its pages, no word over another; the rows take as many pages as they need.
    void coverKeepsEveryText()
    {
        QFETCH(bool, english);
        QFETCH(bool, overlong);
        const FormTexts planner = withPlannerTexts(FormTexts(), overlong);
        Booklet booklet;
        BookletCover &cover = booklet.cover;
        cover.english = english;
        cover.project = planner.header.project;
        cover.company = planner.header.company;
        cover.creator = planner.header.creator;
        cover.date = planner.header.date;
        cover.letterhead = planner.letterhead;
        const QString member = english ? QStringLiteral("Two-span rafter L1 4.25 m, L2 3.80 m")
                                       : QStringLiteral("Zweifeldsparren L1 4.25 m, L2 3.80 m");
        for (int i = 1; i <= 45; ++i)
            cover.rows.append(
                {QStringLiteral("1.%1 EG Pfosten Achse A-F").arg(i, 2, 10, QLatin1Char('0')),
                 QStringLiteral("Programm %1").arg(i % 6 + 1), QStringLiteral("Ix 112.1 cm⁴, Wx 25.7 cm³"),
                 planner.sectionName + QStringLiteral(" (87 %)"), 0, planner.description, member});
        booklet.sheetCount = cover.rows.size();
        booklet.sheet = [](int) {
            return Sheet(SheetLayout{QStringLiteral("Leer"), {}, {{QStringLiteral("B"), 10}}, {}, {}});
        };
        const QString pdf = m_dir.filePath(QStringLiteral("cover.pdf"));
        QVERIFY(writeBookletPdf(booklet, pdf));
        const int pages = coverPageCount(cover);
        QVERIFY2(pages > 2, qPrintable(QString::number(pages)));

        const Sheet first = makeCoverSheet(cover, 0);
        const double belowPageHeader = pagePixelsToPoints(first.bandTop(QStringLiteral("CoverTitleBand")));
        QSet<QString> printed;
        for (int n = 1; n <= pages; ++n) {
            const PdfPage page = readPdfPage(pdf, n);
            // The page number stands in the bottom margin, within the printable area.
            const QString fault = layoutFault(page, pagePixelsToPoints(first.bandLeft()), page.size.height());
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("cover page %1: %2").arg(n).arg(fault)));
            for (const PdfWord &word : page.words)
                if (word.box.top() > belowPageHeader) // the company line is set as on the sheets
                    printed.insert(word.text);
        }
        for (const QString &word : std::as_const(printed))
            QVERIFY2(!word.contains(QChar(0x2026)), qPrintable(word));
        QStringList texts{planner.description, planner.sectionName, member, QStringLiteral("Wx 25.7 cm³")};
        texts << cover.project << cover.company << cover.creator;
        for (const CoverRow &row : std::as_const(cover.rows))
            texts << row.number;
        for (const QString &text : std::as_const(texts))
            for (const QString &word : text.split(QLatin1Char(' ')))
                QVERIFY2(inPieces(word, printed),
                         qPrintable(QStringLiteral("\"%1\" of \"%2\" is not on the cover").arg(word, text)));
    }
};

QTEST_MAIN(TestOverlap)
#include "tst_overlap.moc"
