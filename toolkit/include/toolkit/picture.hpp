// Pictures and the scalable icon, from their SVG sources where Qt Svg is there and otherwise
// (the Windows build) from PNGs rendered from the same sources at build time; the build picks
// picture_svg.cpp or picture_rendered.cpp.
#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QRectF;

namespace toolkit {

// One picture of the resources, named without its extension (":/cxc"): drawn from ":/cxc.svg",
// or from the rendering of ":/rendered/cxc/" that best fits the screen it is drawn on.
class Picture {
    Q_DISABLE_COPY(Picture)

public:
    explicit Picture(const QString& name);
    ~Picture();

    // The picture's own size in pixels, at a scale of 1.
    QSize defaultSize() const;

    // Draws the whole picture into `target`, each axis scaled by its own factor.
    void render(QPainter* painter, const QRectF& target);

private:
    // What the build's source file draws from: the SVG renderer, or the renderings.
    struct Source;
    std::unique_ptr<Source> source_;
};

// The icon `name` (":/icon") at every size: the vector source or the rendered sizes, with the
// hand-drawn `exact` picture for its own size.
QIcon scalableIcon(const QString& name, const QPixmap& exact);

} // namespace toolkit
