#pragma once

// What the tests know of the product, taken from its own files: the form's
// title and geometry from the Designer file, the board's geometry from its
// header, the images from the source tree.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QRegularExpression>
#include <QString>

#include <stdexcept>
#include <string>

#include "BoardGeometry.h"

namespace kalvado::test {

inline QString SourcePath(const QString& relative)
{
    return QDir(QStringLiteral(KALVADO_SOURCE_DIR)).filePath(relative);
}

inline QImage SourceImage(const QString& relative)
{
    return QImage(SourcePath(relative)).convertToFormat(QImage::Format_RGB32);
}

inline QString FormText()
{
    QFile ui(SourcePath("window/frmGame.ui"));
    if (!ui.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the form");
    return QString::fromUtf8(ui.readAll());
}

// The main window's caption, as the form gives it.
inline const std::string& MainTitle()
{
    static const std::string title = [] {
        const auto m = QRegularExpression(R"(name="windowTitle">\s*<string>([^<]*)</string>)").match(FormText());
        if (!m.hasMatch())
            throw std::runtime_error("the form has no title");
        return m.captured(1).toStdString();
    }();
    return title;
}

// The window's client area below the menu bar, as the form fixes it.
inline QSize ClientSize()
{
    static const QSize size = [] {
        const auto m = QRegularExpression(R"(name="maximumSize">\s*<size>\s*<width>(\d+)</width>\s*<height>(\d+)</height>)")
                           .match(FormText());
        if (!m.hasMatch())
            throw std::runtime_error("the form fixes no client area");
        return QSize(m.captured(1).toInt(), m.captured(2).toInt());
    }();
    return size;
}

// Where the form puts a control, in its parent's coordinates (for the
// buttons and the board, the window's client area below the menu bar).
inline QRect FormGeometry(const QString& name)
{
    const QRegularExpression rect("name=\"" + QRegularExpression::escape(name)
                                  + R"(">\s*<property name="geometry">\s*<rect>\s*<x>(\d+)</x>\s*<y>(\d+)</y>)"
                                    R"(\s*<width>(\d+)</width>\s*<height>(\d+)</height>)");
    const auto m = rect.match(FormText());
    if (!m.hasMatch())
        throw std::runtime_error("no geometry for " + name.toStdString());
    return {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt()};
}

// The board picture's top-left pixel in the client area; `mirrored`, where
// a right-to-left language puts it.
inline QPoint PictureInClient(bool mirrored = false)
{
    QRect board = FormGeometry("picBoard");
    if (mirrored)
        board.moveLeft(ClientSize().width() - board.x() - board.width());
    return board.topLeft() + QPoint(SURFACE_BORDER, SURFACE_BORDER);
}

} // namespace kalvado::test
