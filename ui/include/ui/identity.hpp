// Who made the program and where to find it: the captions and the About text use these.
#pragma once

#include <QString>

namespace ui {

// The author's tag, as every caption but the pictures' carries it.
inline const QString authorTag = QStringLiteral("* by Dorvin Keltsby - QQ9QQQ *");

// The author's home page; a fictitious address of the reserved .example domain.
inline const QString homePage = QStringLiteral("http://www.keltsby.example/quorvant/");

// The same address written with backslashes as separators, as the main window's caption shows it.
inline QString homePageWithBackslashes()
{
    return QString(homePage).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

} // namespace ui
