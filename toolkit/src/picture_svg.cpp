// Pictures and the scalable icon drawn from their SVG sources, where the build has Qt Svg.
#include <toolkit/picture.hpp>

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <memory>

namespace toolkit {

struct Picture::Source {
    QSvgRenderer renderer;
};

Picture::Picture(const QString& name) : source_(std::make_unique<Source>())
{
    source_->renderer.load(name + QStringLiteral(".svg"));
    source_->renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
}

Picture::~Picture() = default;

QSize Picture::defaultSize() const { return source_->renderer.defaultSize(); }

void Picture::render(QPainter* painter, const QRectF& target)
{
    source_->renderer.render(painter, target);
}

QIcon scalableIcon(const QString& name, const QPixmap& exact)
{
    QIcon icon(name + QStringLiteral(".svg"));
    icon.addPixmap(exact);
    return icon;
}

} // namespace toolkit
