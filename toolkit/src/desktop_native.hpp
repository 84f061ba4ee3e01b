// What each platform's file (desktop_x11.cpp, desktop_windows.cpp, desktop_plain.cpp) gives the
// platform-free part of the desktop.
#pragma once

#include <QFont>
#include <QStringList>

namespace toolkit::native {

// The dialog font's families, the first installed one taken. Only families the platform has: a
// family Qt has to search for and miss costs every start some milliseconds.
QStringList dialogFontFamilies();

// How the dialog font's glyphs are fitted to the pixels.
QFont::HintingPreference dialogFontHinting();

} // namespace toolkit::native
