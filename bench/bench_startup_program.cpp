// The program's start-up as main() does it, ending as soon as the main menu is shown.
#include "app/bild.h"
#include "app/mainmenu.h"
#include "core/langflag.h"
#include "forms/shell.h"
#include "peakmemory.h"

#include <QtCore/QDateTime>
#include <QtCore/QTimer>

#include <QtWidgets/QApplication>
#include <QtWidgets/QMainWindow>

int main(int argc, char *argv[])
{
    vb::shell::FontConfigWarmUp fontConfig;
    QApplication app(argc, argv);
    fontConfig.wait();
    vb::shell::prepareApplication();
    vb::TForm1 host;
    bool startedUp = false;
    const auto mainMenu = vb::makeMainMenu(vb::LanguageFile::defaultPath(), &startedUp);
    if (!startedUp)
        return 1;
    QMainWindow &menu = *mainMenu;
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
