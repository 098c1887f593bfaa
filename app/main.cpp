#include "app/bild.h"
#include "app/langflag.h"
#include "app/stat1024.h"
#include "reports/resources.h"

#include <QtWidgets/QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorbemessung"));
    // The host form owns the run: the run ends when it closes, not when the last visible
    // window goes (the menu hides while a program is open).
    QApplication::setQuitOnLastWindowClosed(false);
    vb::initResources();

    vb::TForm1 host;
    vb::TForm22 menu(vb::LanguageFile::defaultPath());
    if (!menu.startedUp())
        return 1;
    host.start();
    return QApplication::exec();
}
