#pragma once

#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtGui/QImage>
#include <QtWidgets/QDialog>

#include <array>
#include <memory>

class QKeyEvent;
class QLabel;

namespace Ui
{
class TForm29;
}

namespace vb
{

// The explanatory pages of the information window. Each page is an HTML file in the
// resources (":/info/imageN.html"), drawn as a framed text page of 760 × 1500 logical pixels.
namespace infopages
{

inline constexpr int count = 16;
inline constexpr QSize size{760, 1500};

// The page's source as stored (UTF-8); empty for a number outside 1 … 16.
QString html(int imageNumber);

// The page's text as it is laid out, without markup.
QString plainText(int imageNumber);

// Height in logical pixels from the top of the page to the end of the laid-out text; it must
// stay inside the frame, i.e. below textBottom().
qreal contentBottom(int imageNumber);
qreal textBottom();

// Draws the page at the given device pixel ratio: an image of size × ratio device pixels
// that reports size as its device-independent size. A null image for a number outside 1 … 16.
QImage render(int imageNumber, qreal devicePixelRatio);

} // namespace infopages

// The information window: one explanatory page at a time, opened modally by the information
// buttons of the program forms, which choose the page by language and load case.
class TForm29 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm29(QWidget *parent = nullptr);
    ~TForm29() override;

    // Places the window at the caller's window position (its frame's left and top), makes
    // picture ImageN the only visible one and runs the window modally until it is closed.
    // A number outside 1 … 16 opens nothing.
    void showPage(QWidget *caller, int imageNumber);

    // The number of the picture that is not hidden, 0 before the first opening.
    int visiblePage() const;

    // Whether page N has been drawn yet; pages are drawn the first time they are shown.
    bool isPageRendered(int imageNumber) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    bool CloseIt(const QKeyEvent *event);
    void selectPage(int imageNumber);
    void ensureRendered(int imageNumber);

    std::unique_ptr<Ui::TForm29> m_ui;
    std::array<QLabel *, infopages::count> m_pictures{};
    // Device pixel ratio each page was drawn at; 0 while not drawn.
    std::array<qreal, infopages::count> m_renderedRatio{};
    bool m_screenWatched = false;
};

} // namespace vb
