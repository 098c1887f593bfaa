#include "forms/pgm71024.h"

#include <QtCore/QPointer>
#include <QtCore/QRegularExpression>
#include <QtCore/QTimer>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QScrollArea>
#include <QtWidgets/QScrollBar>

#include <functional>

using vb::TForm29;
namespace infopages = vb::infopages;

namespace
{

// Opens page `page` from `caller` and runs `whileOpen` inside the window's modal loop. A window
// still open after five seconds is closed, so that a fault cannot hang the run; the result
// says whether that was needed.
bool openAndRun(TForm29 &window, QWidget *caller, int page, const std::function<void()> &whileOpen)
{
    bool forced = false;
    QTimer::singleShot(0, &window, whileOpen);
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, &window, [&] {
        if (window.isVisible()) {
            forced = true;
            window.done(QDialog::Rejected);
        }
    });
    fallback.start(5000);
    window.showPage(caller, page);
    return !forced;
}

int visiblePictures(const TForm29 &window)
{
    int visible = 0;
    for (int n = 1; n <= infopages::count; ++n) {
        if (window.findChild<QLabel *>(QStringLiteral("Image%1").arg(n))->isVisible())
            ++visible;
    }
    return visible;
}

// Each text must occur in the page, each after the one before. Runs of blanks (the spacing
// inside formulas) count as one.
void verifyInOrder(QString text, const QStringList &expected)
{
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    text.replace(blanks, QStringLiteral(" "));
    qsizetype from = 0;
    for (const QString &part : expected) {
        const qsizetype at = text.indexOf(part, from);
        if (at < 0)
            QFAIL(qPrintable(QStringLiteral("\"%1\" missing or out of order").arg(part)));
        from = at + part.size();
    }
}

} // namespace

class TestInfoWindow : public QObject
{
    Q_OBJECT

private slots:
    void pageText_data();
    void pageText();
    void pageDrawing_data();
    void pageDrawing();
    void pagesAreDrawnWhenFirstShown();
    void keys_data();
    void keys();
    void opensAtCallerPosition_data();
    void opensAtCallerPosition();
    void onePageAfterAnother_data();
    void onePageAfterAnother();
    void closeBoxHidesAndKeepsTheUsersView();
    void pictureLayout();
};

void TestInfoWindow::pageText_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("parts");

    const QString dinWindTableDe = QStringLiteral("0 bis 8 m\n28,3\n0,5\n");
    const QString dinWindTableRowsDe = QStringLiteral("über 8 bis 20 m\n35,8\n0,8\n");
    const QString dinWindTableEndDe = QStringLiteral("über 20 bis 100 m\n42,0\n1,1\n");
    const QString dinWindTableTopDe = QStringLiteral("über 100 m\n45,6\n1,3\n");
    const QString dinWindTableEn = QStringLiteral("0 to 8 m\n28.3\n0.5\n");
    const QString dinWindTableRowsEn = QStringLiteral("over 8 to 20 m\n35.8\n0.8\n");
    const QString dinWindTableEndEn = QStringLiteral("over 20 to 100 m\n42.0\n1.1\n");
    const QString dinWindTableTopEn = QStringLiteral("over 100 m\n45.6\n1.3\n");
    const QStringList dinWindDe{QStringLiteral("Windlast nach DIN 1055-4:1975"),
                                QStringLiteral("w = cp × q"),
                                QStringLiteral("q = v² / 1600"),
                                dinWindTableDe,
                                dinWindTableRowsDe,
                                dinWindTableEndDe,
                                dinWindTableTopDe,
                                QStringLiteral("Randbereich"),
                                QStringLiteral("um 25 % erhöht"),
                                QStringLiteral("w = 1,25 × cp × q")};
    const QStringList bsWindDe{QStringLiteral("Windlast nach BS 6399-2:1997"),
                               QStringLiteral("Effektive Windgeschwindigkeit"),
                               QStringLiteral("Ve = Vs × Sb"),
                               QStringLiteral("qs = 0,613 × Ve²"),
                               QStringLiteral("Netto-Flächendruck"),
                               QStringLiteral("p = pe − pi")};
    const QStringList dinWindEn{QStringLiteral("Wind load to DIN 1055-4:1975"),
                                QStringLiteral("w = cp × q"),
                                QStringLiteral("q = v² / 1600"),
                                dinWindTableEn,
                                dinWindTableRowsEn,
                                dinWindTableEndEn,
                                dinWindTableTopEn,
                                QStringLiteral("edge zone"),
                                QStringLiteral("increased by 25 %"),
                                QStringLiteral("w = 1.25 × cp × q")};
    const QStringList bsWindEn{QStringLiteral("Wind load to BS 6399-2:1997"),
                               QStringLiteral("Effective wind speed"),
                               QStringLiteral("Ve = Vs × Sb"),
                               QStringLiteral("qs = 0.613 × Ve²"),
                               QStringLiteral("Net surface pressure"),
                               QStringLiteral("p = pe − pi")};
    const QStringList dinSnowDe{QStringLiteral("Schneelast nach DIN 1055-5:1975"),
                                QStringLiteral("Schneelastzone I bis IV"), QStringLiteral("s = ks × s0"),
                                QStringLiteral("ks = 1 − (α − 30°) / 40°"), QStringLiteral("α ≥ 70°\n0")};
    const QStringList bsSnowDe{QStringLiteral("Schneelast nach BS 6399-3:1988"), QStringLiteral("Höhe"),
                               QStringLiteral("0° ≤ α ≤ 30°\n0,8"),
                               QStringLiteral("μ1 = 0,8 × (60° − α) / 30°"), QStringLiteral("α ≥ 60°\n0")};
    const QStringList dinSnowEn{QStringLiteral("Snow load to DIN 1055-5:1975"),
                                QStringLiteral("snow load zone I to IV"), QStringLiteral("s = ks × s0"),
                                QStringLiteral("ks = 1 − (α − 30°) / 40°"), QStringLiteral("α ≥ 70°\n0")};
    const QStringList bsSnowEn{QStringLiteral("Snow load to BS 6399-3:1988"), QStringLiteral("altitude"),
                               QStringLiteral("0° ≤ α ≤ 30°\n0.8"),
                               QStringLiteral("μ1 = 0.8 × (60° − α) / 30°"), QStringLiteral("α ≥ 60°\n0")};

    QTest::newRow("Image6 gives the German wind loads, DIN 1055-4 before BS 6399-2")
        << 6 << false << dinWindDe + bsWindDe;
    QTest::newRow("Image8 gives the German wind loads, BS 6399-2 before DIN 1055-4")
        << 8 << false << bsWindDe + dinWindDe;
    QTest::newRow("Image4 gives the English wind loads, DIN 1055-4 before BS 6399-2")
        << 4 << true << dinWindEn + bsWindEn;
    QTest::newRow("Image3 gives the English wind loads, BS 6399-2 before DIN 1055-4")
        << 3 << true << bsWindEn + dinWindEn;
    QTest::newRow("Image7 gives the German snow loads, DIN 1055-5 before BS 6399-3")
        << 7 << false << dinSnowDe + bsSnowDe;
    QTest::newRow("Image9 gives the German snow loads, BS 6399-3 before DIN 1055-5")
        << 9 << false << bsSnowDe + dinSnowDe;
    QTest::newRow("Image5 gives the English snow loads, DIN 1055-5 before BS 6399-3")
        << 5 << true << dinSnowEn + bsSnowEn;
    QTest::newRow("Image1 gives the English snow loads, BS 6399-3 before DIN 1055-5")
        << 1 << true << bsSnowEn + dinSnowEn;
    QTest::newRow("Image11 gives the barrier load in German")
        << 11 << false
        << QStringList{QStringLiteral("Horizontale Verkehrslast"),
                       QStringLiteral("DIN 1055-3:2002-10"),
                       QStringLiteral("1,2 m"),
                       QStringLiteral("allgemein\n0,5"),
                       QStringLiteral("öffentlichen Gebäuden\n1,0"),
                       QStringLiteral("großen Menschenansammlungen\n2,0"),
                       QStringLiteral("nicht überlagert"),
                       QStringLiteral("P = qk × (A + B) / 2")};
    QTest::newRow("Image10 gives the barrier load in English")
        << 10 << true
        << QStringList{QStringLiteral("Horizontal imposed load"),
                       QStringLiteral("DIN 1055-3:2002-10"),
                       QStringLiteral("1.2 m"),
                       QStringLiteral("ordinary buildings\n0.5"),
                       QStringLiteral("public buildings\n1.0"),
                       QStringLiteral("large crowds\n2.0"),
                       QStringLiteral("need not be superimposed"),
                       QStringLiteral("P = qk × (A + B) / 2")};
    QTest::newRow("Image13 gives the German superposition to DIN 1055-4 with ks")
        << 13 << false
        << QStringList{QStringLiteral("Überlagerung nach DIN 1055-4:1975"),
                       QStringLiteral("α < 25°\ng + s (Wind wird nicht angesetzt)"),
                       QStringLiteral("25° ≤ α ≤ 45°\ng + s + w/2 oder g + w + s/2"),
                       QStringLiteral("größere Kombination"),
                       QStringLiteral("ks = 1 − (α − 30°) / 40°"),
                       QStringLiteral("qw = 1,25 × w × e")};
    QTest::newRow("Image14 gives the English superposition to DIN 1055-4 with ks")
        << 14 << true
        << QStringList{QStringLiteral("Superposition to DIN 1055-4:1975"),
                       QStringLiteral("α < 25°\ng + s (wind is not applied)"),
                       QStringLiteral("25° ≤ α ≤ 45°\ng + s + w/2 or g + w + s/2"),
                       QStringLiteral("larger combination"),
                       QStringLiteral("ks = 1 − (α − 30°) / 40°"),
                       QStringLiteral("qw = 1.25 × w × e")};
    QTest::newRow("Image15 gives the German superposition s + p with μ1 and the safety factors")
        << 15 << false
        << QStringList{QStringLiteral("Überlagerung s + p"), QStringLiteral("BS 6399-3:1988"),
                       QStringLiteral("BS 6399-2:1997"), QStringLiteral("μ1 = 0,8 × (60° − α) / 30°"),
                       QStringLiteral("Teilsicherheitsbeiwerte sind in den Eingabewerten")};
    QTest::newRow("Image16 gives the English superposition s + p with μ1 and the safety factors")
        << 16 << true
        << QStringList{QStringLiteral("Superposition s + p"), QStringLiteral("BS 6399-3:1988"),
                       QStringLiteral("BS 6399-2:1997"), QStringLiteral("μ1 = 0.8 × (60° − α) / 30°"),
                       QStringLiteral("Partial safety factors are to be included")};
    QTest::newRow("Image2 gives the German transom deflection limit and the setting blocks")
        << 2 << false
        << QStringList{QStringLiteral("Durchbiegung von Riegeln"),
                       QStringLiteral("DIN EN 13830"),
                       QStringLiteral("f ≤ l / 500 und f ≤ 3 mm"),
                       QStringLiteral("2,00 m\n4,0 mm\n3,0 mm"),
                       QStringLiteral("nicht belasten"),
                       QStringLiteral("näher als 100 mm an der Glasecke"),
                       QStringLiteral("Glashersteller")};
    QTest::newRow("Image12 gives the English transom deflection limit and the setting blocks")
        << 12 << true
        << QStringList{QStringLiteral("Deflection of transoms"),
                       QStringLiteral("DIN EN 13830"),
                       QStringLiteral("f ≤ l / 500 and f ≤ 3 mm"),
                       QStringLiteral("2.00 m\n4.0 mm\n3.0 mm"),
                       QStringLiteral("must not load the pane below"),
                       QStringLiteral("closer than 100 mm to the glass corner"),
                       QStringLiteral("glass manufacturer")};
}

void TestInfoWindow::pageText()
{
    QFETCH(int, page);
    QFETCH(bool, english);
    QFETCH(QStringList, parts);

    const QString text = infopages::plainText(page);
    verifyInOrder(text, parts);

    // German pages write decimals with a comma and their umlauts decode; English pages use the
    // point. A standard's name ("DIN 1055-4:1975") has neither.
    static const QRegularExpression pointDecimal(QStringLiteral("\\d\\.\\d"));
    static const QRegularExpression commaDecimal(QStringLiteral("\\d,\\d"));
    static const QRegularExpression umlaut(QStringLiteral("[äöüÄÖÜß]"));
    if (english) {
        QVERIFY(!text.contains(commaDecimal));
        QVERIFY(!text.contains(umlaut));
    } else {
        QVERIFY(!text.contains(pointDecimal));
        QVERIFY(text.contains(umlaut));
    }
    QVERIFY(!text.contains(QChar(0xC3))); // UTF-8 read as Latin-1 would show "Ã"
    QVERIFY(!text.contains(QChar(QChar::ReplacementCharacter)));
}

void TestInfoWindow::pageDrawing_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<qreal>("ratio");
    for (int page = 1; page <= infopages::count; ++page) {
        QTest::addRow("Image%d fits its frame on a normal screen", page) << page << 1.0;
        QTest::addRow("Image%d is drawn with twice the pixels on a high-density screen", page) << page << 2.0;
    }
}

void TestInfoWindow::pageDrawing()
{
    QFETCH(int, page);
    QFETCH(qreal, ratio);

    QVERIFY(infopages::contentBottom(page) > 300);
    QVERIFY2(infopages::contentBottom(page) <= infopages::textBottom(),
             qPrintable(QStringLiteral("text ends at %1").arg(infopages::contentBottom(page))));

    const QImage image = infopages::render(page, ratio);
    QCOMPARE(image.size(), QSize(qRound(760 * ratio), qRound(1500 * ratio)));
    QCOMPARE(image.deviceIndependentSize(), QSizeF(760, 1500));

    // The page carries text and a frame: a fair share of dark pixels, none of them in the
    // margin outside the frame.
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                ++dark;
        }
    }
    QVERIFY2(dark > image.width() * image.height() / 100, qPrintable(QString::number(dark)));
    for (int x = 0; x < image.width(); x += 7)
        QCOMPARE(qGray(image.pixel(x, 0)), 255);
}

void TestInfoWindow::pagesAreDrawnWhenFirstShown()
{
    TForm29 window;
    for (int page = 1; page <= infopages::count; ++page)
        QVERIFY(!window.isPageRendered(page));

    QVERIFY(openAndRun(window, nullptr, 5, [&] { window.close(); }));
    for (int page = 1; page <= infopages::count; ++page)
        QCOMPARE(window.isPageRendered(page), page == 5);
    QVERIFY(!window.findChild<QLabel *>(QStringLiteral("Image5"))->pixmap().isNull());
}

void TestInfoWindow::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("onScrollArea");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Escape in the scrolling page closes the window") << int(Qt::Key_Escape) << true << true;
    QTest::newRow("Escape on the window itself closes it") << int(Qt::Key_Escape) << false << true;
    QTest::newRow("Enter leaves the window open") << int(Qt::Key_Return) << true << false;
    QTest::newRow("keypad Enter on the window leaves it open") << int(Qt::Key_Enter) << false << false;
    QTest::newRow("a letter leaves the window open") << int(Qt::Key_A) << true << false;
    QTest::newRow("Space leaves the window open") << int(Qt::Key_Space) << false << false;
}

void TestInfoWindow::keys()
{
    QFETCH(int, key);
    QFETCH(bool, onScrollArea);
    QFETCH(bool, closes);

    TForm29 window;
    QWidget *target = onScrollArea ? window.findChild<QWidget *>(QStringLiteral("ScrollBox")) : &window;
    QVERIFY(target);
    bool openAfterKey = false;
    const bool closedInTime = openAndRun(window, nullptr, 6, [&] {
        QTest::keyClick(target, Qt::Key(key));
        QCoreApplication::processEvents();
        openAfterKey = window.isVisible();
        if (openAfterKey && !closes)
            window.close();
    });
    QCOMPARE(openAfterKey, !closes);
    QVERIFY(closedInTime);
    QVERIFY(!window.isVisible());
}

void TestInfoWindow::opensAtCallerPosition_data()
{
    QTest::addColumn<QPoint>("callerPosition");
    QTest::addColumn<int>("page");
    QTest::newRow("a form at 140, 90 opens the window at 140, 90") << QPoint(140, 90) << 3;
    QTest::newRow("a form at the menu's start place 0, 6 opens it there") << QPoint(0, 6) << 12;
}

void TestInfoWindow::opensAtCallerPosition()
{
    QFETCH(QPoint, callerPosition);
    QFETCH(int, page);

    QWidget caller;
    caller.move(callerPosition);
    TForm29 window;
    window.move(400, 300);
    QPoint openedAt;
    int shown = 0;
    QVERIFY(openAndRun(window, &caller, page, [&] {
        openedAt = window.pos();
        shown = window.visiblePage();
        window.close();
    }));
    QCOMPARE(openedAt, callerPosition);
    QCOMPARE(shown, page);
}

void TestInfoWindow::onePageAfterAnother_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("the wind page of Programm 3 after the one of Programm 1") << 6 << 8;
    QTest::newRow("the English wind page with DIN first after the one with BS first") << 3 << 4;
    QTest::newRow("the BS superposition after the DIN superposition") << 13 << 15;
    QTest::newRow("the last page after the first") << 1 << 16;
}

void TestInfoWindow::onePageAfterAnother()
{
    QFETCH(int, first);
    QFETCH(int, second);

    TForm29 window;
    QVERIFY(openAndRun(window, nullptr, first, [&] { window.close(); }));
    int visible = 0;
    int shown = 0;
    QVERIFY(openAndRun(window, nullptr, second, [&] {
        visible = visiblePictures(window);
        shown = window.visiblePage();
        window.close();
    }));
    QCOMPARE(visible, 1);
    QCOMPARE(shown, second);
}

void TestInfoWindow::closeBoxHidesAndKeepsTheUsersView()
{
    QPointer<TForm29> window = new TForm29;
    auto *scroll = window->findChild<QScrollArea *>(QStringLiteral("ScrollBox"));
    QVERIFY(scroll);
    int scrollRange = 0;
    QVERIFY(openAndRun(*window, nullptr, 7, [&] {
        scrollRange = scroll->verticalScrollBar()->maximum();
        scroll->verticalScrollBar()->setValue(600);
        window->resize(700, 420);
        window->close();
    }));
    QVERIFY2(scrollRange >= 1000, "the page scrolls vertically");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window);
    QVERIFY(window->isHidden());

    // The next opening sets only the place and the page; scroll position and size stay.
    int scrolledTo = 0;
    QSize size;
    QVERIFY(openAndRun(*window, nullptr, 9, [&] {
        scrolledTo = scroll->verticalScrollBar()->value();
        size = window->size();
        QTest::keyClick(scroll, Qt::Key_Escape);
    }));
    QCOMPARE(scrolledTo, 600);
    QCOMPARE(size, QSize(700, 420));
    delete window;
}

void TestInfoWindow::pictureLayout()
{
    const TForm29 window;
    QCOMPARE(window.objectName(), QStringLiteral("TForm29"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Information"));
    QCOMPARE(window.size(), QSize(790, 500));
    QCOMPARE(window.windowType(), Qt::Tool);
    for (int n = 1; n <= infopages::count; ++n) {
        const auto *picture = window.findChild<QLabel *>(QStringLiteral("Image%1").arg(n));
        QVERIFY(picture);
        QCOMPARE(picture->geometry(), QRect(n == 1 ? 3 : 6, 0, 760, 1500));
    }
}

QTEST_MAIN(TestInfoWindow)
#include "tst_infowindow.moc"
