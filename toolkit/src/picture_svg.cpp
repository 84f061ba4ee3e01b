// Pictures and the scalable icon drawn from their SVG sources, where the build has Qt Svg.
#include <toolkit/picture.hpp>

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>
#include <utility>

namespace toolkit {

namespace {
// The icon drawn by Qt Svg's renderer at whatever size is asked, and the hand-drawn picture at its
// own size. Qt's icon engine for SVG files is a plug-in that some releases package apart, so an
// icon made from the file alone would fall back to the one drawn size without it.
class ScalableIconEngine : public QIconEngine {
public:
    ScalableIconEngine(QString file, QPixmap exact)
        : file_(std::move(file)), exact_(std::move(exact))
    {
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const QString key =
            QStringLiteral("%1x%2/%3").arg(size.width()).arg(size.height()).arg(mode);
        if (const auto found = drawn_.constFind(key); found != drawn_.cend())
            return *found;
        QPixmap pixmap = size == exact_.size() ? exact_ : rendered(size);
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            // As Qt's own engines do: the style greys or tints the normal picture.
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        drawn_.insert(key, pixmap);
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state));
    }

    // Every size is there: drawn when asked for.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QIconEngine* clone() const override { return new ScalableIconEngine(*this); }

private:
    ScalableIconEngine(const ScalableIconEngine&) = default;

    QPixmap rendered(const QSize& size) const
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QSvgRenderer(file_).render(&painter);
        painter.end();
        return QPixmap::fromImage(image);
    }

    QString file_;
    QPixmap exact_;
    QHash<QString, QPixmap> drawn_; // by size and mode
};
} // namespace

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
    return QIcon(new ScalableIconEngine(name + QStringLiteral(".svg"), exact));
}

} // namespace toolkit
