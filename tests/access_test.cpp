// Playing with the keyboard alone, and the window as assistive technology
// sees it: the board as a table of named cells, roles and names, and what
// is announced after each action.

#include <QAccessible>
#include <QKeyEvent>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <gtest/gtest.h>

#include <optional>

#include "Accessibility.h"
#include "Announcer.h"
#include "BoardSurface.h"
#include "Position.h"
#include "WindowFixture.h"

using namespace kalvado;
using namespace kalvado::test;

namespace {

std::vector<QString> announced;

void recordAnnouncements(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::ObjectShow)
        if (auto* announcer = qobject_cast<Announcer*>(event->object()); announcer && !announcer->text().isEmpty())
            announced.push_back(announcer->text());
}

class KeyboardTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        // As if a screen reader were listening: Qt passes events on only then.
        QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        ASSERT_NE(platform, nullptr);
        platform->setActive(true);
        QAccessible::installUpdateHandler(recordAnnouncements);
        announced.clear();
    }
    void TearDown() override
    {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }
    void keys(std::initializer_list<Qt::Key> list)
    {
        for (Qt::Key k : list)
            QTest::keyClick(&board(), k);
    }
    QAccessibleInterface* table() { return QAccessible::queryAccessibleInterface(&board()); }
    QString cellName(int col, int row) { return table()->tableInterface()->cellAt(row, col)->text(QAccessible::Name); }
};

} // namespace

TEST_F(KeyboardTest, ArrowsMoveTheCursorWithinTheBoardAndKeysPlayWhereItStands)
{
    open();
    show();
    ASSERT_TRUE(board().hasFocus());
    EXPECT_EQ(board().cursorCell(), QPoint(0, 0));
    EXPECT_FALSE(board().cursorShown()) << "not before a board key";
    const struct {
        std::initializer_list<Qt::Key> keys;
        QPoint cell;
    } moves[] = {
        {{Qt::Key_Left, Qt::Key_Up}, {0, 0}},                       // stops at the edges, no wrapping
        {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}, {2, 1}},
        {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}, {7, 1}},
        {{Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Down}, {4, 2}},
    };
    for (const auto& m : moves) {
        keys(m.keys);
        EXPECT_EQ(board().cursorCell(), m.cell);
        EXPECT_EQ(table()->focusChild(), table()->tableInterface()->cellAt(m.cell.y(), m.cell.x()));
    }
    EXPECT_TRUE(board().cursorShown());

    keys({Qt::Key_Space});
    EXPECT_TRUE(boxes.empty()) << "ignored before a game, as a click is";
    newGame(ANSWER_YES);
    keys({Qt::Key_Return}); // (4,2): the opening placement
    EXPECT_EQ(w->state().Board(4, 2), BLACK);
    EXPECT_EQ(w->state().Board(3, 2), WHITE) << "the computer replied";
    keys({Qt::Key_Enter}); // the keypad's Enter on the same, now occupied, cell
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes.back().text, "Already occupied!");
    EXPECT_EQ(board().cursorCell(), QPoint(4, 2)) << "the cursor stays after a placement and a box";
    newGame(ANSWER_YES);
    EXPECT_EQ(board().cursorCell(), QPoint(4, 2)) << "and across games";
}

TEST_F(KeyboardTest, TheCursorIsDrawnOverThePictureOnlyForKeyboardUse)
{
    open();
    show();
    newGame(ANSWER_YES);
    const QImage picture = board().picture();
    const QImage plain = board().grab().toImage();
    keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}); // (3,3), black
    const QImage withCursor = board().grab().toImage();
    EXPECT_EQ(board().picture(), picture) << "never drawn into the picture";
    const QRect cell = CellRect(3, 3).translated(2, 2);
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != withCursor.pixel(x, y)) {
                ++changed;
                EXPECT_TRUE(cell.contains(x, y)) << "drawn outside its cell at " << x << "," << y;
            }
    EXPECT_GT(changed, 4 * 40) << "a ring round the cell";
    QTest::mouseMove(&board(), widgetPoint(100, 100));
    EXPECT_EQ(board().grab().toImage(), plain) << "a mouse move over the board hides it";
}

TEST_F(KeyboardTest, TheBoardIsATableOfNamedCellsThatFollowsThePosition)
{
    open();
    show();
    QAccessibleInterface* t = table();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->role(), QAccessible::Table);
    EXPECT_EQ(t->text(QAccessible::Name), "Board");
    EXPECT_TRUE(t->text(QAccessible::Description).contains("Arrow keys"));
    EXPECT_EQ(t->childCount(), 64);
    EXPECT_EQ(t->tableInterface()->rowCount(), 8);
    EXPECT_EQ(cellName(0, 0), "A1, empty");
    newGame(ANSWER_YES);
    EXPECT_EQ(cellName(3, 3), "D4, black");
    EXPECT_EQ(cellName(4, 3), "E4, white");
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, cellPoint(4, 2));
    EXPECT_EQ(cellName(4, 2), "E3, black");
    EXPECT_EQ(cellName(3, 2), "D3, white") << "the computer's reply";
    EXPECT_EQ(cellName(3, 3), "D4, white") << "turned by it";
    action("mBoard_2")->trigger();
    EXPECT_EQ(cellName(3, 3), "D4, white") << "a skin switch changes nothing";
}

TEST_F(KeyboardTest, EachActionIsAnnouncedOnceWithWhatItDid)
{
    open();
    show();
    answers.push_back(ANSWER_YES);
    action("mNewGame")->trigger();
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, cellPoint(4, 2));
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, cellPoint(4, 2));
    EXPECT_EQ(announced, (std::vector<QString>{
                             "New game: you play black.",
                             "You played E3 and turned 1. Computer played D3 and turned 1. You 3, computer 3.",
                         })) << "a refused click says only its box";
}

TEST_F(KeyboardTest, StatusLineSeparatorAndReadOutHaveTheirRolesAndNames)
{
    open();
    auto iface = [&](const char* name) { return QAccessible::queryAccessibleInterface(control<QWidget>(name)); };
    EXPECT_EQ(iface("lblInfo")->role(), QAccessible::StatusBar);
    EXPECT_EQ(iface("lblInfo")->text(QAccessible::Name), "") << "empty, not the frame's title";
    EXPECT_EQ(iface("Line2")->role(), QAccessible::Separator);
    EXPECT_EQ(iface("Line2")->text(QAccessible::Name), "");
    const std::pair<const char*, const char*> readOut[] = {
        {"LabelX", "Pointer X, pixels"}, {"LabelY", "Pointer Y, pixels"},
        {"IntPosX", "Pointer column"},   {"IntPosY", "Pointer row"}};
    for (const auto& [name, description] : readOut) {
        EXPECT_EQ(iface(name)->text(QAccessible::Description), description);
        EXPECT_EQ(iface(name)->text(QAccessible::Name), label(name)->text()) << "the value stays the name";
    }
    EXPECT_EQ(iface("Label4")->text(QAccessible::Name), "Mouse Pointer X:");
}

// A screen reader's hit test names the cell a click at the same spot plays,
// for every pixel of the surface and its border.
TEST_F(KeyboardTest, HitTestAndClickNameTheSameCellEverywhere)
{
    open();
    show();
    std::optional<CellPos> clicked;
    bool released = false;
    QObject::connect(&board(), &BoardSurface::mouseReleased, &board(), [&](int, int, float x, float y) {
        released = true;
        clicked = CellAt(x, y);
    });
    int onCells = 0;
    for (int y = 0; y < board().height(); ++y)
        for (int x = 0; x < board().width(); ++x) {
            const QPointF at(x + 0.5, y + 0.5);
            QMouseEvent release(QEvent::MouseButtonRelease, at, board().mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                                Qt::NoModifier);
            released = false;
            QCoreApplication::sendEvent(&board(), &release);
            ASSERT_TRUE(released);
            const QPoint global = board().mapToGlobal(QPoint(x, y));
            QAccessibleInterface* hit = table()->childAt(global.x(), global.y());
            QAccessibleInterface* expected = clicked ? table()->tableInterface()->cellAt(clicked->row, clicked->col) : nullptr;
            ASSERT_EQ(hit, expected) << "at " << x << "," << y;
            onCells += hit != nullptr;
        }
    EXPECT_GT(onCells, 8 * 8 * CELL_SIZE * CELL_SIZE) << "the grid and the strips next to it";
    const QPoint left = board().mapToGlobal(widgetPoint(5, 100));
    EXPECT_EQ(table()->childAt(left.x(), left.y()), table()->tableInterface()->cellAt(1, 0))
        << "left of the grid still plays column 0";
}
