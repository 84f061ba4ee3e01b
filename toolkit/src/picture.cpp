// Pictures from SVG, or from the PNGs rendered at build time where the build has no Qt Svg.
#include <toolkit/picture.hpp>

#include <QDirIterator>
#include <QFileInfo>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>

#ifdef QUORVANT_HAVE_SVG
#include <QSvgRenderer>
#else
class QSvgRenderer {}; // never made: this build draws only rendered pictures
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
    renderer_ = std::make_unique<QSvgRenderer>(name + QStringLiteral(".svg"));
    renderer_->setAspectRatioMode(Qt::IgnoreAspectRatio);
#else
    const auto files = renderedFiles(name);
    for (auto it = files.begin(); it != files.end(); ++it)
        rendered_.insert(it.key(), QImage(it.value()));
#endif
}

Picture::~Picture() = default;

QSize Picture::defaultSize() const
{
#ifdef QUORVANT_HAVE_SVG
    return renderer_->defaultSize();
#else
    const auto one = rendered_.find(1.0);
    return one == rendered_.end() ? QSize() : one->size();
#endif
}

void Picture::render(QPainter* painter, const QRectF& target) const
{
#ifdef QUORVANT_HAVE_SVG
    renderer_->render(painter, target);
#else
    if (rendered_.isEmpty())
        return;
    // The smallest rendering at least as large as the device pixels to fill, else the largest:
    // scaling down a little stays sharp where scaling up would blur.
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QSizeF needed = target.size() * ratio;
    const QImage* best = &rendered_.last();
    for (const QImage& image : rendered_) {
        if (image.width() >= needed.width() && image.height() >= needed.height()) {
            best = &image;
            break;
        }
    }
    const QImage fitted =
        best->scaled(needed.toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter->drawImage(target, fitted);
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
