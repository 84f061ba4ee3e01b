// Pictures and the scalable icon from the PNGs rendered at build time, where the build has no Qt
// Svg (the Windows build): each picture's renderings in a folder of their own, ":/rendered/NAME/".
#include <toolkit/picture.hpp>

#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <memory>

namespace toolkit {

namespace {
// The rendered files of a picture (":/cxc": the files of ":/rendered/cxc").
QStringList renderedFiles(const QString& name)
{
    QStringList files;
    for (QDirIterator it(QStringLiteral(":/rendered/") + QFileInfo(name).fileName()); it.hasNext();)
        files << it.next();
    return files;
}

struct Rendering {
    QString file;
    QSize size;
};
} // namespace

struct Picture::Source {
    // Smallest first: the smallest is the picture at its own size.
    QList<Rendering> renderings;
    // What was last drawn: the device pixels it filled and the rendering scaled to them.
    QSize drawnFor;
    QImage drawn;
};

Picture::Picture(const QString& name) : source_(std::make_unique<Source>())
{
    // Only the sizes are read here, from the files' headers; a rendering is decoded when it is
    // drawn.
    QList<Rendering>& renderings = source_->renderings;
    for (const QString& file : renderedFiles(name))
        renderings.append({file, QImageReader(file).size()});
    std::sort(renderings.begin(), renderings.end(), [](const Rendering& a, const Rendering& b) {
        return a.size.width() < b.size.width();
    });
}

Picture::~Picture() = default;

QSize Picture::defaultSize() const
{
    return source_->renderings.isEmpty() ? QSize() : source_->renderings.first().size;
}

void Picture::render(QPainter* painter, const QRectF& target)
{
    const QList<Rendering>& renderings = source_->renderings;
    if (renderings.isEmpty())
        return;
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QSize needed = (target.size() * ratio).toSize();
    if (source_->drawn.isNull() || source_->drawnFor != needed) {
        // The smallest rendering at least as large as the device pixels to fill, else the
        // largest: scaling down a little stays sharp where scaling up would blur.
        const Rendering* best = &renderings.last();
        for (const Rendering& r : renderings) {
            if (r.size.width() >= needed.width() && r.size.height() >= needed.height()) {
                best = &r;
                break;
            }
        }
        source_->drawn =
            QImage(best->file).scaled(needed, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        source_->drawnFor = needed;
    }
    painter->drawImage(target, source_->drawn);
}

QIcon scalableIcon(const QString& name, const QPixmap& exact)
{
    QIcon icon;
    for (const QString& file : renderedFiles(name))
        icon.addFile(file);
    icon.addPixmap(exact);
    return icon;
}

} // namespace toolkit
