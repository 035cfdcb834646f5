#include "access/BoardAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>

#include <array>
#include <memory>
#include <optional>

#include "BoardGeometry.h"
#include "Outcome.h"
#include "board/BoardSurface.h"
#include "input/CellCursor.h"
#include "language/Language.h"

namespace kalvado {

namespace {

class BoardTable;

// Any process on the session bus may ask about any cell: every question
// about a cell outside the board gets an empty answer, never a crash.
bool onBoardIndex(int index)
{
    return index >= 0 && index < CELL_COUNT;
}

// One cell, or (col, row) = (-1, -1) for the cell that stands for every
// place off the board. Qt's AT-SPI bridge (6.4) takes whatever the table
// returns for a row and column and reads it without a check, so the table
// answers a question about a cell that does not exist with that one: no
// name, no place, no span, no action, and not valid.
class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface, public QAccessibleActionInterface {
public:
    BoardCell(BoardTable* table, int col, int row)
        : m_table(table)
        , m_col(col)
        , m_row(row)
    {
    }

    bool real() const { return onBoard(m_col, m_row); }
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface && real())
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_col; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return real() ? 1 : 0; }
    int rowExtent() const override { return real() ? 1 : 0; }
    QAccessibleInterface* table() const override;

    // QAccessibleActionInterface: playing here, as a click or the keyboard
    // does, with the same boxes.
    QStringList actionNames() const override { return real() ? QStringList{PLACE_DISC_ACTION} : QStringList{}; }
    QString localizedActionName(const QString& name) const override
    {
        return name == PLACE_DISC_ACTION && real() ? QCoreApplication::translate("Board", "Place disc") : QString();
    }
    QString localizedActionDescription(const QString& name) const override
    {
        return name == PLACE_DISC_ACTION && real()
                   ? QCoreApplication::translate("Board", "Places your disc on this cell")
                   : QString();
    }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString& name) const override
    {
        return name == PLACE_DISC_ACTION && real() ? QStringList{"Space"} : QStringList{};
    }

private:
    BoardSurface* board() const;
    Cell content() const;

    BoardTable* m_table;
    int m_col;
    int m_row;
};

class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(BoardSurface* board)
        : QAccessibleWidget(board, QAccessible::Table)
        , m_offBoard(new BoardCell(this, -1, -1))
    {
        QAccessible::registerAccessibleInterface(m_offBoard);
    }
    ~BoardTable() override
    {
        for (QAccessibleInterface* cell : m_cells)
            if (cell)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(m_offBoard));
    }

    BoardSurface* board() const { return static_cast<BoardSurface*>(widget()); }
    // What the window handed over; nothing (empty cells, no focus) without it.
    const BoardReading* reading() const
    {
        return board()->findChild<const BoardReading*>(QString(), Qt::FindDirectChildrenOnly);
    }
    // The keyboard's cursor, while the board has the focus.
    std::optional<QPoint> focusCell() const
    {
        const BoardReading* r = reading();
        if (!r || !board()->hasFocus())
            return std::nullopt;
        return r->cursor()->cell();
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return QCoreApplication::translate("Board", "Board");
        case QAccessible::Description:
            //: The keys named here are the window's own: Alt+P is the Pass button's mnemonic in this language.
            return QCoreApplication::translate("Board", "Arrow keys move the cell cursor; Space or Return places a "
                                                        "disc there. F2 starts a new game, Alt+P passes.");
        default: return QAccessibleWidget::text(t);
        }
    }
    int childCount() const override { return CELL_COUNT; }
    QAccessibleInterface* child(int index) const override
    {
        if (!onBoardIndex(index))
            return nullptr;
        auto& cell = m_cells[static_cast<std::size_t>(index)];
        if (!cell) {
            cell = new BoardCell(const_cast<BoardTable*>(this), index % BOARD_SIZE, index / BOARD_SIZE);
            QAccessible::registerAccessibleInterface(cell);
        }
        return cell;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (m_cells[static_cast<std::size_t>(i)] == child)
                return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        const std::optional<QPoint> c = focusCell();
        return c ? child(cellIndex(c->x(), c->y())) : nullptr;
    }
    // The cell a click at that point of the screen would play.
    QAccessibleInterface* childAt(int x, int y) const override
    {
        // Points far off any screen are nowhere; mapping them would overflow.
        constexpr int far = 1 << 24;
        if (x <= -far || x >= far || y <= -far || y >= far)
            return nullptr;
        const QPoint local = board()->mapFromGlobal(QPoint(x, y));
        if (!board()->rect().contains(local))
            return nullptr;
        const QPointF p = board()->toPicture(local);
        const auto cell = CellAt(static_cast<float>(p.x()), static_cast<float>(p.y()));
        return cell ? child(cellIndex(cell->col, cell->row)) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // QAccessibleTableInterface: a fixed grid, nothing selectable.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return onBoard(column, row) ? child(cellIndex(column, row)) : m_offBoard;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override
    {
        return column >= 0 && column < BOARD_SIZE ? QString(QChar('A' + column)) : QString();
    }
    QString rowDescription(int row) const override
    {
        return row >= 0 && row < BOARD_SIZE ? QString::number(row + 1) : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return BOARD_SIZE; }
    int rowCount() const override { return BOARD_SIZE; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::array<QAccessibleInterface*, CELL_COUNT> m_cells{};
    BoardCell* m_offBoard;
};

bool BoardCell::isValid() const
{
    return real() && m_table->isValid();
}

QAccessibleInterface* BoardCell::parent() const
{
    return m_table;
}

QAccessibleInterface* BoardCell::table() const
{
    return m_table;
}

BoardSurface* BoardCell::board() const
{
    return m_table->board();
}

Cell BoardCell::content() const
{
    const BoardReading* reading = m_table->reading();
    return reading ? reading->cell(m_col, m_row) : EMPTY;
}

QString BoardCell::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !real())
        return {};
    const Cell cell = content();
    // The board's own letters and numbers ("C5") in every language.
    const QString name = Isolated(QString::fromStdString(CellName(m_col, m_row)));
    return cell == BLACK   ? QCoreApplication::translate("Board", "%1, black").arg(name)
           : cell == WHITE ? QCoreApplication::translate("Board", "%1, white").arg(name)
                           : QCoreApplication::translate("Board", "%1, empty").arg(name);
}

QRect BoardCell::rect() const
{
    if (!real())
        return {};
    const QRect local = board()->fromPicture(CellRect(m_col, m_row));
    return {board()->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::State BoardCell::state() const
{
    QAccessible::State s;
    if (!real()) {
        s.invisible = true;
        return s;
    }
    s.focusable = true;
    s.focused = m_table->focusCell() == QPoint(m_col, m_row);
    return s;
}

void BoardCell::doAction(const QString& name)
{
    const BoardReading* reading = m_table->reading();
    if (name == PLACE_DISC_ACTION && real() && reading)
        reading->cursor()->choose(m_col, m_row);
}

} // namespace

BoardReading::BoardReading(BoardSurface* board, CellCursor* cursor, std::function<Cell(int, int)> cells)
    : QObject(board)
    , m_cursor(cursor)
    , m_cells(std::move(cells))
{
}

QAccessibleInterface* NewBoardTable(BoardSurface* board)
{
    return new BoardTable(board);
}

} // namespace kalvado
