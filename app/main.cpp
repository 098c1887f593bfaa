#include "app/bild.h"
#include "app/shell.h"
#include "app/stat1024.h"
#include "core/langflag.h"

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
    return QApplication::exec();
}
