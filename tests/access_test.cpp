// Playing with the keyboard alone, and the window as assistive technology
// sees it: the board as a table of named cells, roles and names, and what
// is announced after each action.

#include <QAccessible>
#include <QKeyEvent>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <random>

#include "access/Accessibility.h"
#include "access/Announcer.h"
#include "board/BoardSurface.h"
#include "BoardGeometry.h"
#include "support/WindowFixture.h"

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
    EXPECT_EQ(cellCursor().cell(), QPoint(0, 0));
    EXPECT_FALSE(cellCursor().shown()) << "not before a board key";
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
        EXPECT_EQ(cellCursor().cell(), m.cell);
        EXPECT_EQ(table()->focusChild(), table()->tableInterface()->cellAt(m.cell.y(), m.cell.x()));
    }
    EXPECT_TRUE(cellCursor().shown());

    keys({Qt::Key_Space});
    EXPECT_TRUE(boxes.empty()) << "ignored before a game, as a click is";
    newGame(ANSWER_YES);
    keys({Qt::Key_Return}); // (4,2): the opening placement
    EXPECT_EQ(w->state().Board(4, 2), BLACK);
    EXPECT_EQ(w->state().Board(3, 2), WHITE) << "the computer replied";
    // The screen reader's keys do nothing here: the keypad's Enter (Orca's
    // Where Am I, once or twice), keypad arrows, Insert and Caps Lock chords.
    const GameState before = w->state();
    QTest::keyClick(&board(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&board(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&board(), Qt::Key_Left, Qt::KeypadModifier);
    for (Qt::Key reader : {Qt::Key_Insert, Qt::Key_CapsLock}) {
        QTest::keyPress(&board(), reader);
        keys({Qt::Key_Space, Qt::Key_Return, Qt::Key_Down});
        QTest::keyRelease(&board(), reader);
    }
    EXPECT_EQ(w->state().Board, before.Board);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(cellCursor().cell(), QPoint(4, 2));
    keys({Qt::Key_Space}); // the same, now occupied, cell
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes.back().text, "Already occupied!");
    EXPECT_EQ(cellCursor().cell(), QPoint(4, 2)) << "the cursor stays after a placement and a box";
    newGame(ANSWER_YES);
    EXPECT_EQ(cellCursor().cell(), QPoint(4, 2)) << "and across games";
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
    const QRect cell = QRect(CellRect(3, 3)).translated(2, 2);
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
    script.answers.push_back(ANSWER_YES);
    action("mNewGame")->trigger();
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, cellPoint(4, 2));
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, cellPoint(4, 2));
    EXPECT_EQ(announced, (std::vector<QString>{
                             "New game: you play black.",
                             "You played E3 and turned 1. Computer played D3 and turned 1. You 3, computer 3.",
                         })) << "a refused click says only its box";
}

// What the player did is said even where nothing gives the window back its
// focus after a box (a session without a window manager), once no box is
// left open.
TEST_F(KeyboardTest, AnAnnouncementWaitsForNoWindowManagerForever)
{
    open();
    show();
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    script.answers.push_back(ANSWER_YES);
    action("mNewGame")->trigger();
    EXPECT_TRUE(announced.empty()) << "not while another window is active";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !announced.empty(); }, 3000));
    EXPECT_EQ(announced, std::vector<QString>{"New game: you play black."});
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

namespace {

// Everything a client can reach from the window: the objects of the tree,
// every cell, and the stand-in for cells off the board.
std::vector<QAccessibleInterface*> everyObject(QAccessibleInterface* root)
{
    std::vector<QAccessibleInterface*> all{root};
    for (std::size_t i = 0; i < all.size(); ++i)
        for (int c = 0; c < all[i]->childCount(); ++c)
            if (QAccessibleInterface* child = all[i]->child(c))
                all.push_back(child);
    return all;
}

} // namespace

// Any process on the session bus may ask any object anything, with any
// numbers: it gets an answer (empty where the question makes no sense), and
// the game, its boxes and its window stay as they were. The questions are
// asked the way Qt's AT-SPI bridge asks them, which reads a table's cell
// without checking it.
TEST_F(KeyboardTest, AnyQuestionWithAnyArgumentsGetsAnAnswerAndChangesNothing)
{
    open();
    show();
    newGame(ANSWER_YES);
    keys({Qt::Key_Right});
    const GameState before = w->state();
    const std::size_t boxesBefore = boxes.size();
    std::mt19937 rng(16);
    std::vector<int> values{std::numeric_limits<int>::min(), -1, 0, 7, 8, 64, std::numeric_limits<int>::max()};
    for (int i = 0; i < 24; ++i)
        values.push_back(static_cast<int>(rng()));
    const std::vector<QAccessibleInterface*> objects = everyObject(QAccessible::queryAccessibleInterface(w.get()));
    ASSERT_GT(objects.size(), 64u);
    for (QAccessibleInterface* o : objects) {
        SCOPED_TRACE(o->text(QAccessible::Name).toStdString());
        for (int t = QAccessible::Name; t <= QAccessible::UserText; t = t == QAccessible::Accelerator ? QAccessible::UserText : t + 1)
            (void)o->text(static_cast<QAccessible::Text>(t));
        (void)o->rect();
        (void)o->state();
        for (int a : values) {
            // (The bridge answers a negative child index itself: the
            // toolkit's own menus would read one out of bounds.)
            if (a >= 0)
                (void)o->child(a);
            for (int b : {values[0], -1, 8, values[6], a})
                (void)o->childAt(a, b);
        }
        if (QAccessibleTableInterface* table = o->tableInterface()) {
            for (int a : values) {
                (void)table->rowDescription(a);
                (void)table->columnDescription(a);
                (void)table->isRowSelected(a);
                EXPECT_FALSE(table->selectRow(a) || table->selectColumn(a) || table->unselectRow(a));
                for (int b : values) {
                    QAccessibleInterface* cell = table->cellAt(a, b);
                    ASSERT_NE(cell, nullptr) << a << "," << b;
                    QAccessibleTableCellInterface* c = cell->tableCellInterface();
                    ASSERT_NE(c, nullptr) << a << "," << b;
                    (void)(c->rowExtent() + c->columnExtent() + c->rowIndex() + c->columnIndex() + c->isSelected());
                    (void)cell->text(QAccessible::Name);
                    (void)o->indexOfChild(cell);
                }
            }
        }
        if (QAccessibleTableCellInterface* c = o->tableCellInterface())
            (void)(c->rowExtent() + c->columnExtent() + c->rowIndex() + c->columnIndex() + c->isSelected()
                   + c->columnHeaderCells().size() + c->rowHeaderCells().size());
        if (QAccessibleTextInterface* text = o->textInterface()) {
            for (int a : values) {
                int start = 0, end = 0;
                (void)text->characterRect(a);
                (void)text->attributes(a, &start, &end);
                (void)text->selection(a, &start, &end);
                (void)text->offsetAtPoint(QPoint(a, a));
                for (int boundary = QAccessible::CharBoundary; boundary <= QAccessible::NoBoundary; ++boundary) {
                    const auto type = static_cast<QAccessible::TextBoundaryType>(boundary);
                    (void)text->textAtOffset(a, type, &start, &end);
                    (void)text->textBeforeOffset(a, type, &start, &end);
                    (void)text->textAfterOffset(a, type, &start, &end);
                }
                for (int b : {values[0], -1, 8, values[6]})
                    (void)text->text(a, b);
            }
        }
        if (QAccessibleActionInterface* action = o->actionInterface()) {
            for (const QString& name : {QString(), QString("no such action"), QString(QChar(0xFFFF)).repeated(3)}) {
                action->doAction(name);
                (void)action->keyBindingsForAction(name);
                (void)action->localizedActionName(name);
            }
            (void)action->actionNames();
        }
    }
    EXPECT_EQ(w->state().Board, before.Board);
    EXPECT_EQ(w->state().PlayerTotal, before.PlayerTotal);
    EXPECT_EQ(boxes.size(), boxesBefore) << "no box";
}

// Switch access and voice control play a cell with its action, by the same
// road as a click: the same boxes, the computer's reply, and never inside
// an open box. The buttons' press actions act at once, as their keys do.
TEST_F(KeyboardTest, CellsArePlayedAndButtonsPressedThroughTheirActions)
{
    open();
    show();
    auto cell = [&](int col, int row) { return table()->tableInterface()->cellAt(row, col)->actionInterface(); };
    ASSERT_NE(cell(4, 2), nullptr);
    EXPECT_EQ(cell(4, 2)->actionNames(), QStringList{"Place disc"});
    EXPECT_EQ(table()->tableInterface()->cellAt(8, 0)->actionInterface(), nullptr) << "nothing to play off the board";
    cell(4, 2)->doAction("Place disc");
    EXPECT_TRUE(boxes.empty()) << "ignored before a game, as a click is";

    newGame(ANSWER_YES);
    cell(4, 2)->doAction("Place disc");
    EXPECT_EQ(w->state().Board(4, 2), BLACK);
    EXPECT_EQ(w->state().Board(3, 2), WHITE) << "the computer replied";
    cell(4, 2)->doAction("Place disc");
    EXPECT_EQ(boxes.back().text, "Already occupied!");
    cell(0, 0)->doAction("Place disc");
    EXPECT_EQ(boxes.back().text, "Invalid position!");

    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(button("cmdAbout"));
    QAccessibleInterface* pass = QAccessible::queryAccessibleInterface(button("cmdPass"));
    EXPECT_EQ(about->text(QAccessible::Name), "About");
    EXPECT_EQ(pass->text(QAccessible::Accelerator), "Alt+P");
    const std::size_t shown = boxes.size();
    // A box stays open for a while; actions that come meanwhile are refused.
    boxOpenMs = 150;
    QTimer::singleShot(50, [&] {
        pass->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        cell(5, 5)->doAction("Place disc");
    });
    about->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(boxes.size(), shown + 1) << "About's box at once, and nothing inside it";
    EXPECT_EQ(boxes.back().title, "About Pennalt");
    EXPECT_EQ(mostOpenBoxes, 1);
    EXPECT_EQ(w->state().Board(5, 5), EMPTY);
    const int computerBefore = w->state().ComputerTotal;
    pass->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_GT(w->state().ComputerTotal, computerBefore) << "Pass pressed: the computer placed at once";
}
