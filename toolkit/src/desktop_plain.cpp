// The desktop where the platform has no way to keep a window out of the task bar (neither X11 nor
// Windows): nothing to keep, nothing to do.
#include <toolkit/desktop.hpp>

#include "desktop_native.hpp"

namespace toolkit {

struct Desktop::Native {};

Desktop::Desktop(QObject* parent) : QObject(parent) {}

Desktop::~Desktop() = default;

void Desktop::skipTaskBar(QWidget*) {}

QStringList native::dialogFontFamilies()
{
    return {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans")};
}

QFont::HintingPreference native::dialogFontHinting() { return QFont::PreferDefaultHinting; }

} // namespace toolkit
