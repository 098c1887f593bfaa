#pragma once

#include "core/caption.h"

#include <QtCore/QString>

#include <memory>
#include <span>

class QMainWindow;

namespace vb
{

// Makes the main menu "Lastkon", whose creation makes every other long-lived form and reads the
// language flag from `languageFile`. `startedUp` tells whether that flag could be read or
// written; when not, the run must end. The menu's own class stays inside app/: the rest of the
// program reaches it through the shell.
std::unique_ptr<QMainWindow> makeMainMenu(const QString &languageFile, bool *startedUp = nullptr);

// The menu's caption table.
std::span<const Caption> menuCaptions();

} // namespace vb
