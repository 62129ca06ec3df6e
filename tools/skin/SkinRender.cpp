// mousecfg-skin: renders the SVG artwork under resources/skin into the PNG pictures the
// program loads from <app>/skin, and writes the two files Qt cannot write itself: the
// busy animation (GIF) and the window icon (ICO).
//
//   mousecfg-skin <svg dir> <skin dir> <generated gif>
//   mousecfg-skin --theme-icon <icon svg> <icon theme dir> <name>
//                      the desktop's icon: <dir>/scalable/apps/<name>.svg and
//                      <dir>/<n>x<n>/apps/<name>.png for the usual hicolor sizes
//
// Special sources:
//   loading.svg        one spinner frame; rotated in 30 degree steps into the 12 frames of
//                      loading.gif (written to the skin dir and to <generated gif>)
//   icon.svg           icon.png (256 x 256) and icon.ico (256, 48, 32 and 16 pixels)
//   <dir>/Mouse.svg    also mouse_1.png ... mouse_20.png: highlight group "hl<i>" switched on
// Every other SVG becomes a PNG of the same relative path; the SVG is copied beside it.

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kSpinnerFrames = 12;
constexpr int kSpinnerDelayCs = 8;      // 80 ms a frame, about one turn a second
constexpr int kMouseVariants = 20;

void fail(const QString& message)
{
    std::fprintf(stderr, "mousecfg-skin: %s\n", qPrintable(message));
    std::exit(1);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size())
        fail(QStringLiteral("cannot write %1").arg(path));
}

// Renders the document at its own width and height (or at `size` when given).
QImage renderSvg(const QByteArray& svg, const QString& name, QSize size = QSize(),
                 qreal rotationDeg = 0)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        fail(QStringLiteral("%1 is not a valid SVG document").arg(name));
    if (!size.isValid())
        size = renderer.defaultSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (rotationDeg != 0) {
        p.translate(size.width() / 2.0, size.height() / 2.0);
        p.rotate(rotationDeg);
        p.translate(-size.width() / 2.0, -size.height() / 2.0);
    }
    renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void writePng(const QImage& image, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG"))
        fail(QStringLiteral("cannot write %1").arg(path));
}

// ---------------------------------------------------------------- GIF89a

// Variable-width LZW codes packed least significant bit first, as GIF wants them.
class BitWriter
{
public:
    void put(unsigned code, int width)
    {
        m_acc |= uint32_t(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_out.append(char(m_acc & 0xFF));
            m_acc >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_bits > 0)
            m_out.append(char(m_acc & 0xFF));
        m_acc = 0;
        m_bits = 0;
        return m_out;
    }

private:
    QByteArray m_out;
    uint32_t m_acc = 0;
    int m_bits = 0;
};

QByteArray lzwEncode(const std::vector<uint8_t>& indices, int minCodeSize)
{
    const unsigned clearCode = 1u << minCodeSize;
    const unsigned endCode = clearCode + 1;
    unsigned nextCode = endCode + 1;
    int width = minCodeSize + 1;
    std::unordered_map<uint32_t, unsigned> table;
    BitWriter bits;

    bits.put(clearCode, width);
    if (indices.empty()) {
        bits.put(endCode, width);
        return bits.finish();
    }
    unsigned prefix = indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
        const uint8_t pixel = indices[i];
        const uint32_t key = (uint32_t(prefix) << 8) | pixel;
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        bits.put(prefix, width);
        if (nextCode < 4096) {
            table.emplace(key, nextCode++);
            // The decoder widens its codes once the table outgrows the current width.
            if (nextCode > (1u << width) && width < 12)
                ++width;
        } else {
            bits.put(clearCode, width);
            table.clear();
            nextCode = endCode + 1;
            width = minCodeSize + 1;
        }
        prefix = pixel;
    }
    bits.put(prefix, width);
    bits.put(endCode, width);
    return bits.finish();
}

void putLe16(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// Frames share one palette: index 0 is transparent, 1..255 a grey ramp. The spinner is
// drawn in greys, so half-covered edge pixels are blended against the busy dialog's dark
// backdrop (GIF transparency is all or nothing).
QByteArray encodeGreyGif(const std::vector<QImage>& frames, int delayCs)
{
    const QSize size = frames.front().size();
    const int backdrop = 34;

    QByteArray gif("GIF89a");
    putLe16(gif, size.width());
    putLe16(gif, size.height());
    gif.append(char(0xF7));     // global colour table, 8 bits of colour resolution, 256 entries
    gif.append(char(0));        // background colour index
    gif.append(char(0));        // square pixels
    for (int i = 0; i < 256; ++i) {
        const int level = i == 0 ? 0 : ((i - 1) * 255) / 254;
        gif.append(char(level)).append(char(level)).append(char(level));
    }
    // Loop forever.
    gif.append("\x21\xFF\x0B", 3).append("NETSCAPE2.0").append("\x03\x01\x00\x00\x00", 5);

    for (const QImage& frame : frames) {
        std::vector<uint8_t> indices;
        indices.reserve(size_t(size.width()) * size_t(size.height()));
        for (int y = 0; y < size.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                const int a = qAlpha(line[x]);
                if (a < 96) {
                    indices.push_back(0);
                    continue;
                }
                const int v = (qGray(line[x]) * a + backdrop * (255 - a)) / 255;
                indices.push_back(uint8_t(1 + (v * 254 + 127) / 255));
            }
        }
        // Graphic control: restore to background after each frame, index 0 transparent.
        gif.append("\x21\xF9\x04", 3);
        gif.append(char((2 << 2) | 1));
        putLe16(gif, delayCs);
        gif.append(char(0)).append(char(0));
        // Image descriptor: the full frame, global palette, not interlaced.
        gif.append(char(0x2C));
        putLe16(gif, 0);
        putLe16(gif, 0);
        putLe16(gif, size.width());
        putLe16(gif, size.height());
        gif.append(char(0));
        gif.append(char(8));
        const QByteArray data = lzwEncode(indices, 8);
        for (int pos = 0; pos < data.size(); pos += 255) {
            const int n = qMin(255, data.size() - pos);
            gif.append(char(n)).append(data.constData() + pos, n);
        }
        gif.append(char(0));
    }
    gif.append(char(0x3B));
    return gif;
}

// ---------------------------------------------------------------- ICO

// 32-bit DIB with its AND mask; the 256 pixel entry is stored as PNG, as Windows expects.
QByteArray dibEntry(const QImage& image)
{
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint32(40) << qint32(w) << qint32(h * 2) << quint16(1) << quint16(32) << quint32(0)
      << quint32(w * h * 4 + maskStride * h) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            s << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x]))
              << quint8(qAlpha(line[x]));
    }
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        s.writeRawData(row.constData(), row.size());
    }
    return out;
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        fail(QStringLiteral("cannot encode PNG"));
    return out;
}

QByteArray encodeIco(const std::vector<QImage>& images)
{
    std::vector<QByteArray> payloads;
    for (const QImage& image : images)
        payloads.push_back(image.width() >= 256 ? pngBytes(image) : dibEntry(image));

    QByteArray out;
    putLe16(out, 0);
    putLe16(out, 1);
    putLe16(out, int(images.size()));
    int offset = 6 + 16 * int(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const QImage& image = images[i];
        out.append(char(image.width() >= 256 ? 0 : image.width()));
        out.append(char(image.height() >= 256 ? 0 : image.height()));
        out.append(char(0)).append(char(0));
        putLe16(out, 1);
        putLe16(out, 32);
        QByteArray le(8, '\0');
        qToLittleEndian<quint32>(quint32(payloads[i].size()), le.data());
        qToLittleEndian<quint32>(quint32(offset), le.data() + 4);
        out.append(le);
        offset += payloads[i].size();
    }
    for (const QByteArray& payload : payloads)
        out.append(payload);
    return out;
}

// ---------------------------------------------------------------- sources

void renderSpinner(const QByteArray& svg, const QString& skinDir, const QString& gifPath)
{
    std::vector<QImage> frames;
    for (int i = 0; i < kSpinnerFrames; ++i)
        frames.push_back(renderSvg(svg, QStringLiteral("loading.svg"), QSize(),
                                   i * 360.0 / kSpinnerFrames));
    const QByteArray gif = encodeGreyGif(frames, kSpinnerDelayCs);
    writeFile(gifPath, gif);
    writeFile(skinDir + QStringLiteral("/loading.gif"), gif);
}

void renderIcon(const QByteArray& svg, const QString& skinDir)
{
    std::vector<QImage> images;
    for (int side : {256, 48, 32, 16})
        images.push_back(renderSvg(svg, QStringLiteral("icon.svg"), QSize(side, side)));
    writePng(images.front(), skinDir + QStringLiteral("/icon.png"));
    writeFile(skinDir + QStringLiteral("/icon.ico"), encodeIco(images));
}

// The picture with highlight group "hl<i>" shown; numbers without a group give the plain picture.
void renderMouseVariants(const QByteArray& svg, const QString& name, const QString& outDir)
{
    for (int i = 1; i <= kMouseVariants; ++i) {
        QByteArray variant = svg;
        const QByteArray hidden = QByteArray("id=\"hl") + QByteArray::number(i) + "\" display=\"none\"";
        const QByteArray shown = QByteArray("id=\"hl") + QByteArray::number(i) + "\" display=\"inline\"";
        variant.replace(hidden, shown);
        writePng(renderSvg(variant, name), outDir + QStringLiteral("/mouse_%1.png").arg(i));
    }
}

int renderThemeIcon(const QString& svgPath, const QString& themeDir, const QString& name)
{
    const QByteArray svg = readFile(svgPath);
    writeFile(themeDir + QStringLiteral("/scalable/apps/") + name + QStringLiteral(".svg"), svg);
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
        writePng(renderSvg(svg, QFileInfo(svgPath).fileName(), QSize(side, side)),
                 themeDir + QStringLiteral("/%1x%1/apps/").arg(side) + name + QStringLiteral(".png"));
    return 0;
}

// The offscreen platform asks for a runtime directory build machines rarely have.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

int main(int argc, char* argv[])
{
    // Build machines have no display; the offscreen platform is all the font code needs.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("--theme-icon"))
        return renderThemeIcon(args.at(2), args.at(3), args.at(4));
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: mousecfg-skin <svg dir> <skin dir> <generated gif>\n");
        return 2;
    }
    const QDir sourceDir(args.at(1));
    const QString skinDir = args.at(2);
    const QString gifPath = args.at(3);
    if (!sourceDir.exists())
        fail(QStringLiteral("no such directory %1").arg(args.at(1)));

    int rendered = 0;
    QDirIterator it(sourceDir.absolutePath(), {QStringLiteral("*.svg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = sourceDir.relativeFilePath(path);
        const QByteArray svg = readFile(path);
        const QString base = QFileInfo(relative).completeBaseName();
        const QString outBase = skinDir + QLatin1Char('/') + QFileInfo(relative).path()
                                + QLatin1Char('/') + base;

        if (relative == QLatin1String("loading.svg")) {
            renderSpinner(svg, skinDir, gifPath);
        } else if (relative == QLatin1String("icon.svg")) {
            renderIcon(svg, skinDir);
        } else {
            writePng(renderSvg(svg, relative), outBase + QStringLiteral(".png"));
            if (base == QLatin1String("Mouse"))
                renderMouseVariants(svg, relative, QFileInfo(outBase).path());
        }
        // Kept beside the picture so the program can render it larger for high-DPI screens.
        writeFile(outBase + QStringLiteral(".svg"), svg);
        ++rendered;
    }
    if (rendered == 0)
        fail(QStringLiteral("no SVG files in %1").arg(sourceDir.absolutePath()));
    return 0;
}
