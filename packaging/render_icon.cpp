// Build-time tool: renders the program's SVG pictures into PNGs, for the desktop's icon theme and
// for builds without Qt Svg, and packs PNGs into a Windows icon file.
//   quorvant_render_icon PICTURE.svg SIZE OUT.png
//       SIZE is N (N×N pixels) or @SCALE (the picture's own size times SCALE)
//   quorvant_render_icon --ico OUT.ico IN.png...
//       each IN.png square, 1 to 256 pixels
#include <QFile>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>

namespace {

int fail(const char* what, const char* argument)
{
    std::fprintf(stderr, "quorvant_render_icon: %s %s\n", what, argument);
    return 1;
}

int render(const char* svg, const char* sizeText, const char* out)
{
    QSvgRenderer renderer(QString::fromLocal8Bit(svg));
    if (!renderer.isValid())
        return fail("cannot read", svg);
    const QString text = QString::fromLocal8Bit(sizeText);
    bool ok = false;
    QSize size;
    if (text.startsWith(QLatin1Char('@'))) {
        const double scale = text.mid(1).toDouble(&ok);
        const QSizeF scaled = QSizeF(renderer.defaultSize()) * scale;
        size = QSize(static_cast<int>(std::lround(scaled.width())),
                     static_cast<int>(std::lround(scaled.height())));
    } else {
        const int side = text.toInt(&ok);
        size = QSize(side, side);
    }
    if (!ok || size.width() < 1 || size.height() < 1 || size.width() > 4096 || size.height() > 4096)
        return fail("bad size", sizeText);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        // Smoothing keeps the in-between sizes even; at whole multiples of the icon's 32-pixel
        // grid every edge falls on a pixel boundary and stays sharp anyway.
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    if (!image.save(QString::fromLocal8Bit(out), "PNG"))
        return fail("cannot write", out);
    return 0;
}

// An ICO file whose entries hold PNG data, as Windows reads them since Vista.
int packIcon(const char* out, int count, char* pngs[])
{
    QList<QByteArray> data;
    QList<int> sides;
    for (int i = 0; i < count; ++i) {
        QFile file(QString::fromLocal8Bit(pngs[i]));
        if (!file.open(QIODevice::ReadOnly))
            return fail("cannot read", pngs[i]);
        data << file.readAll();
        const QImage image = QImage::fromData(data.last(), "PNG");
        if (image.isNull() || image.width() != image.height() || image.width() > 256)
            return fail("not a square PNG of at most 256 pixels:", pngs[i]);
        sides << image.width();
    }
    QByteArray ico;
    auto put16 = [&ico](int value) {
        ico.append(static_cast<char>(value & 0xff)).append(static_cast<char>((value >> 8) & 0xff));
    };
    auto put32 = [&](qint64 value) {
        put16(static_cast<int>(value & 0xffff));
        put16(static_cast<int>((value >> 16) & 0xffff));
    };
    put16(0);     // reserved
    put16(1);     // an icon, not a cursor
    put16(count); // entries
    qint64 offset = 6 + 16 * count;
    for (int i = 0; i < count; ++i) {
        const int side = sides[i] == 256 ? 0 : sides[i]; // 0 stands for 256
        ico.append(static_cast<char>(side)).append(static_cast<char>(side));
        ico.append('\0').append('\0'); // no palette, reserved
        put16(1);                      // colour planes
        put16(32);                     // bits per pixel
        put32(data[i].size());
        put32(offset);
        offset += data[i].size();
    }
    for (const QByteArray& png : data)
        ico.append(png);
    QFile file(QString::fromLocal8Bit(out));
    if (!file.open(QIODevice::WriteOnly) || file.write(ico) != ico.size())
        return fail("cannot write", out);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc >= 4 && QByteArray(argv[1]) == "--ico")
        return packIcon(argv[2], argc - 3, argv + 3);
    if (argc == 4)
        return render(argv[1], argv[2], argv[3]);
    std::fprintf(stderr,
                 "usage: %s PICTURE.svg SIZE|@SCALE OUT.png\n"
                 "       %s --ico OUT.ico IN.png...\n",
                 argv[0], argv[0]);
    return 2;
}
