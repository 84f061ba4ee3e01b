// Conversions between the program's texts (std::string, lines split by '\r') and Qt's.
#pragma once

#include <QLocale>
#include <QString>

#include <string>
#include <string_view>

namespace toolkit {

inline QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string stdText(const QString& text) { return text.toStdString(); }

// Widgets break lines on '\n'; the program's texts keep their lone carriage returns, so they
// are converted only on the way to the screen.
inline QString displayText(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// The decimal separator of the user's regional settings.
inline std::string decimalSeparator() { return QLocale().decimalPoint().toStdString(); }

} // namespace toolkit
