#pragma once

#include <string>

#include <QString>

namespace horalet::platform::qt {

// The icon a panel finds by name: the name, and a folder of this program's
// own in the layout of an icon theme, for panels that look names up in the
// theme alone and would show a broken image for a program that was not
// installed (run from its build folder).
struct ThemeIcon {
    QString name;
    QString themePath;
};

// Writes the icon to <folder>/hicolor/scalable/apps/<name>.svg, with the
// theme's index.theme, unless they are there already with the same contents. Without that folder (it could not
// be written) the name stays only when the system's theme has the icon;
// otherwise it is empty and panels take the item's pixmaps.
ThemeIcon provideThemeIcon(const std::string& folder);

// What a program that loads a name with a slash as a file should load (the
// XApp applet, a notification): the SVG in the icon's own folder by its
// absolute path, since such programs look names up in the system's theme
// alone; else the theme's name, which is there when the program is
// installed.
QString iconFileOrName(const ThemeIcon& icon);

} // namespace horalet::platform::qt
