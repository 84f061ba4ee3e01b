// What the program is and who made it: its version and id for the desktop, and its author and
// home page for the captions and the About text.
#pragma once

#include "identity_config.hpp"

#include <QString>

namespace ui {

inline const QString version = QStringLiteral(QUORVANT_VERSION);

// The id of its menu entry, icon and metainfo, which it announces to the desktop.
inline const QString appId = QStringLiteral(QUORVANT_APP_ID);

inline const QString domain = QStringLiteral(QUORVANT_DOMAIN);

// The author's name, as the About text shows it.
inline const QString author = QStringLiteral(QUORVANT_AUTHOR);

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
