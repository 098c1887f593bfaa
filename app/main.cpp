#include "app/bild.h"
#include "app/stat1024.h"
#include "core/langflag.h"
#include "forms/shell.h"

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
    // A project file given as the one argument (the desktop passes it on a double-click) is
    // opened once the menu is up; without one the start is as ever.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() == 2) {
        QTimer::singleShot(0, &menu, [&menu, path = arguments.at(1)] { menu.openProjectFile(path); });
    }
    return QApplication::exec();
}
