#include "board/Skins.h"

#include <QLabel>
#include <QPixmap>

#include "WindowOps.h"
#include "board/BoardSurface.h"
#include "images/Images.h"

namespace kalvado {

Skins::Skins(BoardSurface* board, QLabel* picDefault)
    : m_board(board)
    , m_picDefault(picDefault)
{
}

void Skins::show(const std::string& path)
{
    const QImage image = LoadBoardImage(QString::fromStdString(path));
    if (image.isNull())
        throw SkinLoadError("cannot show " + path);
    m_board->setBackground(image);
}

// The built-in image is decoded on first use: at start-up the skin file
// normally replaces it before the window is ever shown.
void Skins::showBuiltIn()
{
    if (m_builtIn.isNull()) {
        m_builtIn = LoadBoardImage(":/images/default.jpg");
        m_picDefault->setPixmap(QPixmap::fromImage(m_builtIn));
    }
    m_board->setBackground(m_builtIn);
}

} // namespace kalvado
