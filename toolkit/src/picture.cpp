// Pictures from SVG, or from the PNGs rendered at build time where the build has no Qt Svg.
#include <toolkit/picture.hpp>

#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QMap>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>

#ifdef QUORVANT_HAVE_SVG
#include <QSvgRenderer>

#include <memory>
#endif

namespace toolkit {

namespace {
// The rendered files of a picture: ":/rendered/NAME@SCALE.png", by scale.
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
} // namespace

bool Picture::vector()
{
#ifdef QUORVANT_HAVE_SVG
    return true;
#else
    return false;
#endif
}

Picture::Picture(const QString& name)
{
#ifdef QUORVANT_HAVE_SVG
    auto renderer = std::make_shared<QSvgRenderer>(name + QStringLiteral(".svg"));
    renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    size_ = renderer->defaultSize();
    draw_ = [renderer](QPainter* painter, const QRectF& target) {
        renderer->render(painter, target);
    };
#else
    const QMap<double, QString> files = renderedFiles(name);
    QList<QImage> renderings; // by scale, smallest first
    for (const QString& file : files)
        renderings << QImage(file);
    size_ = QImage(files.value(1.0)).size();
    draw_ = [renderings](QPainter* painter, const QRectF& target) {
        if (renderings.isEmpty())
            return;
        // The smallest rendering at least as large as the device pixels to fill, else the
        // largest: scaling down a little stays sharp where scaling up would blur.
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QSizeF needed = target.size() * ratio;
        const QImage* best = &renderings.last();
        for (const QImage& image : renderings) {
            if (image.width() >= needed.width() && image.height() >= needed.height()) {
                best = &image;
                break;
            }
        }
        painter->drawImage(
            target, best->scaled(needed.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    };
#endif
}

QIcon scalableIcon(const QString& name, const QPixmap& exact)
{
    QIcon icon;
    if (Picture::vector()) {
        icon = QIcon(name + QStringLiteral(".svg"));
    } else {
        for (const QString& file : renderedFiles(name))
            icon.addFile(file);
    }
    icon.addPixmap(exact);
    return icon;
}

} // namespace toolkit
