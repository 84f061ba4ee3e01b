// The count of open windows, and the dialog font as every platform sizes it.
#include <toolkit/desktop.hpp>
#include <toolkit/window.hpp>

#include "desktop_native.hpp"

namespace toolkit {

void Desktop::track(Window* window)
{
    ++open_;
    connect(window, &QObject::destroyed, this, [this] {
        if (--open_ == 0)
            emit lastWindowClosed();
    });
}

QFont dialogFont(qreal pointSize)
{
    QFont font;
    font.setFamilies(native::dialogFontFamilies());
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::SansSerif);
    // Latin captions need no shaping: without it, as the classic dialogs drew them (no kerning,
    // no ligatures), and without the shaper's start-up cost.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(native::dialogFontHinting());
    return font;
}

} // namespace toolkit
