// Writes every image the game ships: the built-in board image, the three
// board skins, the window icon and the board cursor. The output depends on
// nothing but this file, so running it again gives the same pictures.
//
//   genimages <repo root>

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPen>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int SIZE = 480;
constexpr double PI = 3.14159265358979323846;

// Integer hash noise: the same numbers on every machine.
double hash2(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u
                      + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / double(0xffffff);
}

double smooth(double t)
{
    return t * t * (3 - 2 * t);
}

double valueNoise(double x, double y, std::uint32_t seed)
{
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    const double a = hash2(x0, y0, seed), b = hash2(x0 + 1, y0, seed);
    const double c = hash2(x0, y0 + 1, seed), d = hash2(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

double fbm(double x, double y, std::uint32_t seed, int octaves = 5)
{
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u);
        norm += amp;
        amp *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / norm;
}

struct Wood {
    QColor light;
    QColor dark;
    double rings;      // grain lines across the board
    double warp;       // how much the grain wanders
    double stretch;    // how long the grain features are
    bool vertical;     // grain runs top to bottom instead of left to right
    int planks;        // boards glued side by side (0: one piece)
    std::uint32_t seed;
};

QRgb mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(static_cast<int>(std::lround(a.red() + (b.red() - a.red()) * t)),
                static_cast<int>(std::lround(a.green() + (b.green() - a.green()) * t)),
                static_cast<int>(std::lround(a.blue() + (b.blue() - a.blue()) * t)));
}

QImage woodImage(const Wood& w)
{
    QImage image(SIZE, SIZE, QImage::Format_RGB32);
    for (int py = 0; py < SIZE; ++py) {
        for (int px = 0; px < SIZE; ++px) {
            double along = w.vertical ? py : px;
            double across = w.vertical ? px : py;
            std::uint32_t seed = w.seed;
            if (w.planks > 0) {
                const int plank = static_cast<int>(across * w.planks / SIZE);
                seed += static_cast<std::uint32_t>(plank) * 7919u;
                along += plank * 97.0;
            }
            const double wander = fbm(along / w.stretch, across / 60.0, seed);
            const double t = across / SIZE * w.rings + wander * w.warp;
            const double ring = t - std::floor(t);
            const double line = std::pow(0.5 + 0.5 * std::cos(ring * 2 * PI), 6.0);
            const double pores = fbm(along / 3.0, across / 0.8, seed + 17u, 3);
            const double figure = fbm(along / 140.0, across / 140.0, seed + 31u, 3);
            double shade = 0.20 + 0.55 * line + 0.18 * (pores - 0.5) + 0.30 * (figure - 0.5);
            if (w.planks > 0) {
                const double pos = across * w.planks / SIZE;
                const double seam = std::abs(pos - std::round(pos)) * SIZE / w.planks;
                if (seam < 1.0)
                    shade += 0.35;
            }
            image.setPixel(px, py, mix(w.light, w.dark, shade));
        }
    }
    return image;
}

bool saveJpeg(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(92);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false); // baseline
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

void put16(QByteArray& out, int v)
{
    char b[2];
    qToLittleEndian<quint16>(static_cast<quint16>(v), b);
    out.append(b, 2);
}

void put32(QByteArray& out, qint64 v)
{
    char b[4];
    qToLittleEndian<quint32>(static_cast<quint32>(v), b);
    out.append(b, 4);
}

void bitmapInfoHeader(QByteArray& out, int bitCount, int imageBytes, int colours)
{
    put32(out, 40);
    put32(out, 32);
    put32(out, 64); // colour rows and mask rows
    put16(out, 1);
    put16(out, bitCount);
    put32(out, 0);
    put32(out, imageBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, colours);
    put32(out, 0);
}

// The file header and its one 32 x 32 entry. Type 2 is a cursor; the two
// 16-bit fields hold its hot spot. The image data follows at offset 22.
void directory(QByteArray& out, int type, int colours, int field1, int field2, int resBytes)
{
    put16(out, 0);
    put16(out, type);
    put16(out, 1);
    out.append(char(32)).append(char(32)).append(char(colours)).append(char(0));
    put16(out, field1);
    put16(out, field2);
    put32(out, resBytes);
    put32(out, 22);
}

// The board cursor: a white arrow with a black outline whose tip, the hot
// spot, is at (2, 3), with a small disc beside it.
QByteArray cursorFile()
{
    constexpr int HOT_X = 2, HOT_Y = 3;
    std::array<std::array<int, 32>, 32> shape{}; // 0 clear, 1 black, 2 white
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int dx = x - HOT_X, dy = y - HOT_Y;
            // Arrow: a wedge below and right of the tip plus a short tail.
            const bool wedge = dy >= 0 && dy <= 14 && dx >= 0 && dx <= dy * 2 / 3;
            const bool tail = dy >= 10 && dy <= 19 && dx >= (dy - 10) / 2 + 3 && dx <= (dy - 10) / 2 + 5;
            if (wedge || tail)
                shape[y][x] = 2;
            const int d = (x - 20) * (x - 20) + (y - 22) * (y - 22);
            if (d <= 36)
                shape[y][x] = 1;
        }
    }
    // Outline every white pixel in black where it meets the clear area.
    auto outlined = shape;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (shape[y][x] != 0)
                continue;
            for (int ny = y - 1; ny <= y + 1; ++ny)
                for (int nx = x - 1; nx <= x + 1; ++nx)
                    if (nx >= 0 && ny >= 0 && nx < 32 && ny < 32 && shape[ny][nx] == 2)
                        outlined[y][x] = 1;
        }
    const int rowBytes = 4, xorBytes = rowBytes * 32, andBytes = rowBytes * 32;
    const int resBytes = 40 + 2 * 4 + xorBytes + andBytes;
    QByteArray out;
    directory(out, 2, 2, HOT_X, HOT_Y, resBytes); // a cursor: the hot spot
    bitmapInfoHeader(out, 1, xorBytes + andBytes, 2);
    out.append(char(0)).append(char(0)).append(char(0)).append(char(0));
    out.append(char(255)).append(char(255)).append(char(255)).append(char(0));
    auto rows = [&](auto bitOf) {
        for (int y = 31; y >= 0; --y)
            for (int byte = 0; byte < rowBytes; ++byte) {
                int bits = 0;
                for (int b = 0; b < 8; ++b)
                    bits = (bits << 1) | (bitOf(outlined[y][byte * 8 + b]) ? 1 : 0);
                out.append(char(bits));
            }
    };
    rows([](int v) { return v == 2; }); // colour: white where set
    rows([](int v) { return v == 0; }); // mask: clear where set
    return out;
}

// The board cursor drawn for a screen of `scale` device pixels per pixel:
// the same arrow, disc and outline as the 32 x 32 cursor, traced at the
// higher resolution instead of enlarged, so that its edges stay sharp. Its
// hot spot is the scaled tip, (2 * scale, 3 * scale).
QImage cursorImage(int scale)
{
    constexpr int HOT_X = 2, HOT_Y = 3;
    const int side = 32 * scale;
    // 0 clear, 1 black, 2 white, judged at each device pixel's centre in
    // the 32 x 32 cursor's own pixel units.
    std::vector<int> shape(static_cast<std::size_t>(side * side), 0);
    auto at = [&](int x, int y) -> int& { return shape[static_cast<std::size_t>(y * side + x)]; };
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double u = (x + 0.5) / scale - 0.5, v = (y + 0.5) / scale - 0.5;
            const double dx = u - HOT_X, dy = v - HOT_Y;
            const bool wedge = dy >= -0.5 && dy <= 14.5 && dx >= -0.5 && dx <= dy * 2 / 3 + 0.5;
            const bool tail = dy >= 9.5 && dy <= 19.5 && dx >= (dy - 10) / 2 + 2.5 && dx <= (dy - 10) / 2 + 5.5;
            if (wedge || tail)
                at(x, y) = 2;
            if ((u - 20) * (u - 20) + (v - 22) * (v - 22) <= 42.25)
                at(x, y) = 1;
        }
    // A black outline one cursor pixel (scale device pixels) thick.
    std::vector<int> outlined = shape;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            if (at(x, y) != 0)
                continue;
            for (int ny = std::max(0, y - scale); ny <= std::min(side - 1, y + scale) && !outlined[static_cast<std::size_t>(y * side + x)]; ++ny)
                for (int nx = std::max(0, x - scale); nx <= std::min(side - 1, x + scale); ++nx)
                    if (at(nx, ny) == 2) {
                        outlined[static_cast<std::size_t>(y * side + x)] = 1;
                        break;
                    }
        }
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const int v = outlined[static_cast<std::size_t>(y * side + x)];
            image.setPixel(x, y, v == 0 ? qRgba(0, 0, 0, 0) : v == 1 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    return image;
}

// The window and desktop icon at any size: a corner of a green board with
// two black and two white discs, drawn smoothly on a 32-unit grid scaled to
// the size.
QImage iconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(QColor(0, 128, 0));
    p.drawRect(QRectF(1.5, 1.5, 29, 29));
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.drawLine(QPointF(16.5, 2), QPointF(16.5, 30));
    p.drawLine(QPointF(2, 16.5), QPointF(30, 16.5));
    const struct {
        double x, y;
        QColor colour;
    } discs[] = {{9.5, 9.5, Qt::black}, {23.5, 23.5, Qt::black}, {23.5, 9.5, Qt::white}, {9.5, 23.5, Qt::white}};
    for (const auto& d : discs) {
        p.setPen(QPen(QColor(128, 128, 128), 1));
        p.setBrush(d.colour);
        p.drawEllipse(QPointF(d.x, d.y), 6, 6);
    }
    return image;
}

// The same picture as a scalable icon.
QByteArray iconSvg()
{
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <rect x="1.5" y="1.5" width="29" height="29" fill="#008000" stroke="#000000" stroke-width="1"/>
  <path d="M16.5 2V30M2 16.5H30" stroke="#808080" stroke-width="1"/>
  <g stroke="#808080" stroke-width="1">
    <circle cx="9.5" cy="9.5" r="6" fill="#000000"/>
    <circle cx="23.5" cy="23.5" r="6" fill="#000000"/>
    <circle cx="23.5" cy="9.5" r="6" fill="#ffffff"/>
    <circle cx="9.5" cy="23.5" r="6" fill="#ffffff"/>
  </g>
</svg>
)";
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: genimages <repo root>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    // Every board keeps to mid tones (relative luminance between about 0.12
    // and 0.27), so that black and white discs both stand out from it by 3 : 1
    // or more.
    // Built-in: warm oak, horizontal grain.
    const Wood builtIn{QColor(201, 120, 57), QColor(144, 85, 41), 9, 1.6, 260, false, 0, 1};
    // Default: walnut planks.
    const Wood skin1{QColor(164, 110, 72), QColor(128, 86, 54), 14, 1.2, 300, false, 3, 2};
    // Light Wood: pale oak, fine vertical grain.
    const Wood skin2{QColor(164, 137, 73), QColor(131, 109, 58), 22, 0.9, 400, true, 0, 3};
    // Light Wood2: grey ash planks, bold grain.
    const Wood skin3{QColor(145, 136, 126), QColor(105, 98, 92), 7, 2.4, 180, true, 4, 4};

    bool ok = saveJpeg(woodImage(builtIn), root.filePath("window/images/default.jpg"));
    ok = saveJpeg(woodImage(skin1), root.filePath("pic/Board1.jpg")) && ok;
    ok = saveJpeg(woodImage(skin2), root.filePath("pic/Board2.jpg")) && ok;
    ok = saveJpeg(woodImage(skin3), root.filePath("pic/Board3.jpg")) && ok;
    // The desktop's icon theme and the window take PNGs at every usual size,
    // and a scalable one.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        ok = iconImage(size).save(root.filePath(QString("packaging/icons/kalvado-%1.png").arg(size)), "png") && ok;
    ok = writeFile(root.filePath("packaging/icons/kalvado.svg"), iconSvg()) && ok;
    ok = writeFile(root.filePath("window/images/board.cur"), cursorFile()) && ok;
    for (int scale : {2, 3})
        ok = cursorImage(scale).save(root.filePath(QString("window/images/board@%1x.png").arg(scale)), "png") && ok;
    return ok ? 0 : 1;
}
