// Feeds arbitrary bytes to the board image loader: it must return a usable
// picture or none, never crash, hang or run away with memory.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>

#include "images/Images.h"

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
    // Bad images make the decoders complain on every input.
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QImage image = kalvado::LoadBoardImage(buffer);
    if (!image.isNull()) {
        const qint64 bytesUsed = image.sizeInBytes();
        if (image.format() != QImage::Format_RGB32 || bytesUsed > qint64(kalvado::IMAGE_ALLOCATION_LIMIT_MB) << 20)
            std::abort();
    }
    return 0;
}
