// Pictures and the scalable icon drawn from their SVG sources, where the build has Qt Svg.
#include <toolkit/picture.hpp>

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <memory>

namespace toolkit {

Picture::Picture(const QString& name)
{
    auto renderer = std::make_shared<QSvgRenderer>(name + QStringLiteral(".svg"));
    renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    size_ = renderer->defaultSize();
    draw_ = [renderer](QPainter* painter, const QRectF& target) {
        renderer->render(painter, target);
    };
}

QIcon scalableIcon(const QString& name, const QPixmap& exact)
{
    QIcon icon(name + QStringLiteral(".svg"));
    icon.addPixmap(exact);
    return icon;
}

} // namespace toolkit
