#include "images/Images.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QWidget>
#include <QtEndian>

#include <algorithm>

namespace kalvado {

namespace {

// The JPEG decoder pads a cut-off file with grey and calls it a success; a
// complete JPEG ends in its end-of-image marker, which the entropy-coded
// data can never contain, so a missing marker at the end means truncation.
bool isTruncatedJpeg(QIODevice& device)
{
    if (device.peek(2) != QByteArray("\xFF\xD8", 2))
        return false;
    const qint64 tail = std::min<qint64>(device.size(), 64);
    if (!device.seek(device.size() - tail))
        return true;
    const bool complete = device.read(tail).contains(QByteArray("\xFF\xD9", 2));
    return !device.seek(0) || !complete;
}

} // namespace

QImage LoadBoardImage(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return LoadBoardImage(file);
}

QImage LoadBoardImage(QIODevice& device)
{
    QImageReader::setAllocationLimit(IMAGE_ALLOCATION_LIMIT_MB);
    if (device.isSequential() || device.size() > MAX_IMAGE_FILE_BYTES || isTruncatedJpeg(device))
        return {};
    QImageReader reader(&device);
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

QIcon LoadWindowIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/images/kalvado-%1.png").arg(size), QSize(size, size));
    return icon;
}

namespace {

class IconOnceShown : public QObject {
public:
    explicit IconOnceShown(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Show) {
            m_window->removeEventFilter(this);
            QMetaObject::invokeMethod(
                m_window, [window = m_window] { window->setWindowIcon(LoadWindowIcon()); }, Qt::QueuedConnection);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_window;
};

} // namespace

void SetIconOnceShown(QWidget* window)
{
    new IconOnceShown(window);
}

} // namespace kalvado
