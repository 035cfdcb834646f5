#pragma once

// Bad skin files, made the same way wherever a test needs one.

#include <QByteArray>
#include <QFile>
#include <QtEndian>

#include <random>

#include "Product.h"

namespace kalvado::test {

inline QByteArray ShippedSkinBytes(int n = 2)
{
    QFile f(SourcePath(QString("pic/Board%1.jpg").arg(n)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Bytes that are no image at all, the same for a seed.
inline QByteArray JunkBytes(int size, unsigned seed)
{
    std::mt19937 rng(seed);
    QByteArray junk(size, '\0');
    for (char& c : junk)
        c = static_cast<char>(rng());
    return junk;
}

// A shipped JPEG whose header claims 60000 x 60000 pixels: decoding it would
// take about 14 GB.
inline QByteArray HugeHeaderJpeg()
{
    QByteArray jpeg = ShippedSkinBytes();
    const int sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0)
        return {};
    qToBigEndian<quint16>(60000, jpeg.data() + sof + 5);
    qToBigEndian<quint16>(60000, jpeg.data() + sof + 7);
    return jpeg;
}

} // namespace kalvado::test
