#include "forms/pgm71024.h"

#include "reports/resources.h"
#include "ui_pgm71024.h"

#include <QtCore/QFile>
#include <QtGui/QFont>
#include <QtGui/QKeyEvent>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtGui/QTextDocument>
#include <QtGui/QWindow>
#include <QtWidgets/QLabel>

#include <cmath>

namespace vb
{

namespace infopages
{

namespace
{

// The frame runs 6 px inside the page edge; the text keeps a further 28 px clear of it.
constexpr qreal kFrameInset = 6.0;
constexpr qreal kTextInset = 34.0;
constexpr int kBodyPixelSize = 14;

bool isPage(int imageNumber)
{
    return imageNumber >= 1 && imageNumber <= count;
}

qreal textWidth()
{
    return size.width() - 2 * kTextInset;
}

// Lays the page out at a fixed text width. Fonts are sized in pixels and measured with design
// metrics, so the layout is the same on every screen and at every pixel ratio.
std::unique_ptr<QTextDocument> layOut(int imageNumber)
{
    const QString source = html(imageNumber);
    if (source.isEmpty())
        return nullptr;
    auto document = std::make_unique<QTextDocument>();
    QFont font;
    font.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kBodyPixelSize);
    document->setDefaultFont(font);
    document->setUseDesignMetrics(true);
    document->setDocumentMargin(0);
    document->setHtml(source);
    document->setTextWidth(textWidth());
    return document;
}

void drawFrame(QPainter &painter)
{
    const QRectF page(QPointF(0, 0), QSizeF(size));
    painter.setPen(QPen(QColor(0x4f, 0x5f, 0x72), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(page.adjusted(kFrameInset, kFrameInset, -kFrameInset, -kFrameInset));
    painter.setPen(QPen(QColor(0x9a, 0xa7, 0xb5), 0.75));
    const qreal inner = kFrameInset + 4.0;
    painter.drawRect(page.adjusted(inner, inner, -inner, -inner));
}

} // namespace

QString html(int imageNumber)
{
    if (!isPage(imageNumber))
        return {};
    initResources();
    QFile file(QStringLiteral(":/info/image%1.html").arg(imageNumber));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The pages are stored as UTF-8; decoding here keeps the umlauts independent of any
    // charset guessing.
    return QString::fromUtf8(file.readAll());
}

QString plainText(int imageNumber)
{
    const auto document = layOut(imageNumber);
    return document ? document->toPlainText() : QString();
}

qreal textBottom()
{
    return size.height() - kTextInset;
}

qreal contentBottom(int imageNumber)
{
    const auto document = layOut(imageNumber);
    return document ? kTextInset + document->size().height() : 0.0;
}

QImage render(int imageNumber, qreal devicePixelRatio)
{
    const auto document = layOut(imageNumber);
    if (!document)
        return {};
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QSize pixels(static_cast<int>(std::ceil(size.width() * ratio)),
                       static_cast<int>(std::ceil(size.height() * ratio)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);

    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    drawFrame(painter);
    painter.translate(kTextInset, kTextInset);
    // Anything that would run past the frame is cut off here (and caught by the page tests).
    document->drawContents(&painter, QRectF(0, 0, textWidth(), textBottom() - kTextInset));
    return image;
}

} // namespace infopages

TForm29::TForm29(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TForm29>())
{
    m_ui->setupUi(this);
    // A tool window: small caption bar, close box and the normal sizing border.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool);

    m_pictures = {m_ui->Image1,  m_ui->Image2,  m_ui->Image3,  m_ui->Image4,  m_ui->Image5,  m_ui->Image6,
                  m_ui->Image7,  m_ui->Image8,  m_ui->Image9,  m_ui->Image10, m_ui->Image11, m_ui->Image12,
                  m_ui->Image13, m_ui->Image14, m_ui->Image15, m_ui->Image16};
    // Nothing is drawn here: the window is built at program start, and a page is drawn only
    // when it is first shown.
    for (QLabel *picture : m_pictures)
        picture->hide();

    // CloseIt listens where a key can arrive: the window itself and the scrolling area, which
    // holds the keyboard focus while the window is open.
    installEventFilter(this);
    m_ui->ScrollBox->installEventFilter(this);
}

TForm29::~TForm29() = default;

void TForm29::showPage(QWidget *caller, int imageNumber)
{
    if (imageNumber < 1 || imageNumber > infopages::count) {
        qWarning("TForm29::showPage: there is no picture Image%d", imageNumber);
        return;
    }
    if (caller)
        move(caller->window()->pos());
    selectPage(imageNumber);
    exec();
}

int TForm29::visiblePage() const
{
    for (int i = 0; i < infopages::count; ++i) {
        if (!m_pictures[i]->isHidden())
            return i + 1;
    }
    return 0;
}

bool TForm29::isPageRendered(int imageNumber) const
{
    return imageNumber >= 1 && imageNumber <= infopages::count && m_renderedRatio[imageNumber - 1] > 0;
}

void TForm29::selectPage(int imageNumber)
{
    ensureRendered(imageNumber);
    for (int i = 0; i < infopages::count; ++i) {
        if (i != imageNumber - 1)
            m_pictures[i]->hide();
    }
    m_pictures[imageNumber - 1]->show();
}

void TForm29::ensureRendered(int imageNumber)
{
    const qreal ratio = devicePixelRatioF();
    qreal &rendered = m_renderedRatio[imageNumber - 1];
    if (rendered == ratio)
        return;
    m_pictures[imageNumber - 1]->setPixmap(QPixmap::fromImage(infopages::render(imageNumber, ratio)));
    rendered = ratio;
}

void TForm29::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The page is drawn for the screen the window was on before it opened; once it is shown,
    // follow the screen it is really on, and any screen it is moved to.
    if (!m_screenWatched && windowHandle()) {
        m_screenWatched = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] {
            if (const int page = visiblePage())
                ensureRendered(page);
        });
    }
    if (const int page = visiblePage())
        ensureRendered(page);
}

bool TForm29::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == this || watched == m_ui->ScrollBox))
        return CloseIt(static_cast<const QKeyEvent *>(event));
    return QDialog::eventFilter(watched, event);
}

bool TForm29::CloseIt(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Taken here so that the dialog's default-button handling never closes the window.
        return true;
    default:
        // Left to the scrolling area (arrow and page keys scroll); nothing else reacts.
        return false;
    }
}

} // namespace vb
