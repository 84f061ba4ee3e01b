// Pictures and the scalable icon from the PNGs rendered at build time, where the build has no Qt
// Svg (the Windows build): ":/rendered/NAME@SCALE.png", SCALE times the picture's own size.
#include <toolkit/picture.hpp>

#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QMap>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>

#include <memory>

namespace toolkit {

namespace {
// The rendered files of a picture, by scale, smallest first.
QMap<double, QString> renderedFiles(const QString& name)
{
    const QString base = QFileInfo(name).fileName() + QLatin1Char('@');
    QMap<double, QString> files;
    for (QDirIterator it(QStringLiteral(":/rendered")); it.hasNext();) {
        const QFileInfo file(it.next());
        const QString stem = file.completeBaseName();
        bool ok = false;
        const double scale = stem.startsWith(base) ? stem.mid(base.size()).toDouble(&ok) : 0;
        if (ok && scale > 0)
            files.insert(scale, file.filePath());
    }
    return files;
}

struct Rendering {
    QString file;
    QSize size;
};

// What was last drawn: the device pixels it filled and the rendering scaled to them.
struct Drawn {
    QSize device;
    QImage image;
};
} // namespace

Picture::Picture(const QString& name)
{
    // Only the sizes are read here; a rendering is decoded when it is drawn.
    QList<Rendering> renderings;
    const QMap<double, QString> files = renderedFiles(name);
    for (const QString& file : files)
        renderings.append({file, QImageReader(file).size()});
    size_ = QImageReader(files.value(1.0)).size();
    auto drawn = std::make_shared<Drawn>();
    draw_ = [renderings, drawn](QPainter* painter, const QRectF& target) {
        if (renderings.isEmpty())
            return;
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QSize needed = (target.size() * ratio).toSize();
        if (drawn->image.isNull() || drawn->device != needed) {
            // The smallest rendering at least as large as the device pixels to fill, else the
            // largest: scaling down a little stays sharp where scaling up would blur.
            const Rendering* best = &renderings.last();
            for (const Rendering& r : renderings) {
                if (r.size.width() >= needed.width() && r.size.height() >= needed.height()) {
                    best = &r;
                    break;
                }
            }
            drawn->image =
                QImage(best->file).scaled(needed, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            drawn->device = needed;
        }
        painter->drawImage(target, drawn->image);
    };
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
