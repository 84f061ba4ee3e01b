// Who made the program and where to find it: the captions and the About text use these.
#pragma once

#include <QString>

namespace ui {

// The author's tag, as every caption but the pictures' carries it.
inline const QString authorTag =
    QStringLiteral("* by " QUORVANT_AUTHOR " - " QUORVANT_AUTHOR_MARK " *");

// The author's mark alone, as the About text shows it.
inline const QString authorMark = QStringLiteral(QUORVANT_AUTHOR_MARK);

// The author's home page.
inline const QString homePage = QStringLiteral(QUORVANT_HOMEPAGE);

// The same address written with backslashes as separators, as the main window's caption shows it.
inline QString homePageWithBackslashes()
{
    return QString(homePage).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

} // namespace ui
