// The program's start-up as main() does it, ending as soon as the main menu is shown.
#include "app/bild.h"
#include "core/langflag.h"
#include "app/stat1024.h"
#include "app/shell.h"
#include "peakmemory.h"

#include <QtCore/QDateTime>
#include <QtCore/QTimer>

#include <QtWidgets/QApplication>

int main(int argc, char *argv[])
{
    vb::shell::FontConfigWarmUp fontConfig;
    QApplication app(argc, argv);
    fontConfig.wait();
    vb::shell::prepareApplication();
    vb::TForm1 host;
    vb::TForm22 menu(vb::LanguageFile::defaultPath());
    if (!menu.startedUp())
        return 1;
    host.start();
    // Queued behind the host's start: runs once the menu has been shown and painted.
    QTimer::singleShot(0, &app, [&menu] {
        QTimer::singleShot(0, &menu, [&menu] {
            menu.repaint();
            // The moment the window is on screen, for the harness that started the process.
            reportShown(static_cast<long long>(QDateTime::currentMSecsSinceEpoch()) * 1000);
            QCoreApplication::exit(menu.isVisible() ? 0 : 2);
        });
    });
    return QApplication::exec();
}
