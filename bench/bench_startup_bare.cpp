// A bare Qt Widgets program that shows one empty window, for comparison.
#include "peakmemory.h"

#include <QtCore/QDateTime>
#include <QtCore/QTimer>

#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(801, 582);
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
