#pragma once

#include <QImage>

#include <string>

class QLabel;

namespace kalvado {

class BoardSurface;

// The board's image: a skin file, or the built-in image held by the hidden
// picDefault where a skin cannot be shown. Either replaces what was drawn.
class Skins {
public:
    Skins(BoardSurface* board, QLabel* picDefault);

    // Throws SkinLoadError when the file cannot be shown.
    void show(const std::string& path);
    void showBuiltIn();

private:
    BoardSurface* m_board;
    QLabel* m_picDefault;
    QImage m_builtIn;
};

} // namespace kalvado
