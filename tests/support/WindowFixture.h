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
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "BoardSurface.h"
#include "frmGame.h"
#include "support/Product.h"

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
    std::deque<int> answers;
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
            if ((style & Style::YesNo) == 0)
                return ANSWER_OK;
            int answer = ANSWER_YES;
            if (!answers.empty()) {
                answer = answers.front();
                answers.pop_front();
            }
            return answer;
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
    QRgb px(int x, int y) { return board().picture().pixel(x, y); }
    static QPoint widgetPoint(int x, int y) { return {x + SURFACE_BORDER, y + SURFACE_BORDER}; }
    static QPoint cellPoint(int col, int row)
    {
        const QPoint c = DiscCentre(col, row);
        return widgetPoint(c.x(), c.y());
    }

    void newGame(int answer)
    {
        answers.push_back(answer);
        action("mNewGame")->trigger();
    }

    std::vector<QString> boxTitles() const
    {
        std::vector<QString> titles;
        for (const auto& b : boxes)
            titles.push_back(b.title);
        return titles;
    }

    // The disc centre of every cell shows the cell's code.
    void expectDiscsMatchBoard(const QImage& background)
    {
        for (int col = 0; col < 8; ++col)
            for (int row = 0; row < 8; ++row) {
                const QPoint c = DiscCentre(col, row);
                const Cell cell = w->state().Board(col, row);
                const QRgb expected = cell == BLACK ? qRgb(0, 0, 0) : cell == WHITE ? qRgb(255, 255, 255)
                                                                                     : background.pixel(c);
                ASSERT_EQ(px(c.x(), c.y()), expected) << "cell " << col << "," << row;
            }
    }
};


} // namespace kalvado::test
