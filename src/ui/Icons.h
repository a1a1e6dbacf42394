#pragma once

// Pictures of the tool buttons and the program icon: the desktop's icon theme where it has the
// picture, otherwise a small drawn one, so a button never stays blank.

#include <QIcon>
#include <QString>

namespace ui {

// The theme icon `themeName`, or a drawn square with `glyph` when the theme lacks it.
QIcon ToolIcon(const QString& themeName, const QString& glyph);

// The program's built-in icon, used when "mine.ico" is missing from the working directory.
QIcon BuiltInIcon();

// "mine.ico" from `workingDirectory` when it is there and readable, otherwise BuiltInIcon().
QIcon ApplicationIcon(const QString& workingDirectory);

}  // namespace ui
