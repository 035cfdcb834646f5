#pragma once

#include <QCursor>
#include <QIcon>
#include <QIODevice>
#include <QImage>
#include <QString>

class QWidget;

namespace kalvado {

// Decoding a board image may take at most this much memory; a file whose
// header claims a giant picture is refused before anything is allocated.
constexpr int IMAGE_ALLOCATION_LIMIT_MB = 64;

// No board image comes near this size; a larger file is not worth decoding.
constexpr qint64 MAX_IMAGE_FILE_BYTES = 32 * 1024 * 1024;

// Reads an image file in any format the toolkit knows (decided by its
// content, not its name). Returns a null image when it cannot be read:
// missing, not a file, empty, cut off, not an image, or too big.
QImage LoadBoardImage(const QString& path);
QImage LoadBoardImage(QIODevice& device);

// A cursor from a .cur file, with the hot spot the file gives.
QCursor LoadCursorFile(const QString& path);

// The window icon at all its sizes.
QIcon LoadWindowIcon();
// Gives the window its icon once it is first shown: seven pictures decoded
// before would hold up the window's first appearance.
void SetIconOnceShown(QWidget* window);

} // namespace kalvado
