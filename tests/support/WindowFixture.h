#pragma once

// The game window opened on a scratch folder with its own pic/, message
// boxes recorded and answered from a script instead of shown.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/BoardSurface.h"
#include "input/CellCursor.h"
#include "BoxScript.h"
#include "frmGame.h"
#include "Product.h"
#include "ScreenBoard.h"

namespace kalvado::test {

inline const QString NO_SKIN = NO_SKIN_TEXT;

struct RecordedBox {
    QString text;
    int style;
    QString title;
    bool windowShown;
};

inline QString sourcePath(const QString& relative)
{
    return SourcePath(relative);
}

inline QImage fileImage(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

class WindowTest : public testing::Test {
protected:
    QTemporaryDir dir;
    std::vector<RecordedBox> boxes;
    BoxScript script;
    std::unique_ptr<frmGame> w;
    int boxOpenMs = 0; // how long each box stays open, events running
    int openBoxes = 0;
    int mostOpenBoxes = 0;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir("pic"));
        for (int n = 1; n <= 3; ++n)
            ASSERT_TRUE(QFile::copy(sourcePath(QString("pic/Board%1.jpg").arg(n)), skinFile(n)));
    }

    QString skinFile(int n) const { return dir.filePath(QString("pic/Board%1.jpg").arg(n)); }

    void open()
    {
        w = std::make_unique<frmGame>(dir.path(), [this](QWidget*, const QString& text, int style, const QString& title) {
            boxes.push_back({text, style, title, w && w->isVisible()});
            // A real box runs its own event loop while it is open.
            mostOpenBoxes = std::max(mostOpenBoxes, ++openBoxes);
            if (boxOpenMs > 0)
                QTest::qWait(boxOpenMs);
            --openBoxes;
            return script.answer(style);
        });
    }

    void show()
    {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    // The window's controls, found by their object names.
    template <typename T>
    T* control(const char* name) const
    {
        T* found = w->findChild<T*>(name);
        if (!found)
            throw std::logic_error(std::string("no control ") + name);
        return found;
    }
    QLabel* label(const char* name) const { return control<QLabel>(name); }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    QAction* action(const char* name) const { return control<QAction>(name); }
    QMenu* menu(const char* name) const { return control<QMenu>(name); }
    BoardSurface& board() const { return *control<BoardSurface>("picBoard"); }
    CellCursor& cellCursor() const { return *board().findChild<CellCursor*>(); }
    QRgb px(int x, int y) { return board().picture().pixel(x, y); }
    static QPoint widgetPoint(int x, int y) { return {x + SURFACE_BORDER, y + SURFACE_BORDER}; }
    static QPoint cellPoint(int col, int row)
    {
        const QPoint c = DiscCentre(col, row);
        return widgetPoint(c.x(), c.y());
    }

    void newGame(int answer)
    {
        script.answers.push_back(answer);
        action("mNewGame")->trigger();
    }

    std::vector<QString> boxTitles() const
    {
        std::vector<QString> titles;
        for (const auto& b : boxes)
            titles.push_back(b.title);
        return titles;
    }

    // The picture shows the window's board over `background`.
    void expectDiscsMatchBoard(const QImage& background)
    {
        EXPECT_EQ(DiscMismatch(board().picture(), {0, 0}, w->state().Board, background), "");
    }
};


} // namespace kalvado::test
