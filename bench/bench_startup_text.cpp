// A bare Qt Widgets program that shows one line of Arial 13 px text, for comparison: any program
// that shows text pays for the font configuration and the glyphs.
#include "peakmemory.h"

#include <QtCore/QDateTime>
#include <QtCore/QTimer>
#include <QtGui/QFont>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(801, 582);
    QLabel line(QStringLiteral("Statische Vorbemessung im Metallbau"), &window);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    line.setFont(font);
    line.move(57, 110);
    QTimer::singleShot(0, &app, [&window] {
        window.show();
        QTimer::singleShot(0, &window, [&window] {
            window.repaint();
            // The moment the window is on screen, for the harness that started the process.
            reportShown(static_cast<long long>(QDateTime::currentMSecsSinceEpoch()) * 1000);
            QCoreApplication::exit(window.isVisible() ? 0 : 2);
        });
    });
    return QApplication::exec();
}
