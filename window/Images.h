#pragma once

#include <QCursor>
#include <QImage>
#include <QString>

namespace kalvado {

// Decoding a board image may take at most this much memory; a file whose
// header claims a giant picture is refused before anything is allocated.
constexpr int IMAGE_ALLOCATION_LIMIT_MB = 64;

// Reads an image file in any format the toolkit knows (decided by its
// content, not its name). Returns a null image when it cannot be read.
QImage LoadBoardImage(const QString& path);

// A cursor from a .cur file, with the hot spot the file gives.
QCursor LoadCursorFile(const QString& path);

} // namespace kalvado
