#include "Images.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace kalvado {

QImage LoadBoardImage(const QString& path)
{
    QImageReader::setAllocationLimit(IMAGE_ALLOCATION_LIMIT_MB);
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QCursor LoadCursorFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    QImage image;
    if (data.size() < 22 || !image.loadFromData(data, "cur"))
        return {};
    // The first directory entry holds the hot spot at bytes 10 and 12.
    const int hotX = qFromLittleEndian<quint16>(data.constData() + 10);
    const int hotY = qFromLittleEndian<quint16>(data.constData() + 12);
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

} // namespace kalvado
