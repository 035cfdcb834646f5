#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include <array>

#include "Announcer.h"
#include "BoardSurface.h"
#include "Outcome.h"
#include "Position.h"

namespace kalvado {

namespace {

class BoardCell;

class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(BoardSurface* board)
        : QAccessibleWidget(board, QAccessible::Table)
    {
    }
    ~BoardTable() override
    {
        for (QAccessibleInterface* cell : m_cells)
            if (cell)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
    }

    BoardSurface* board() const { return static_cast<BoardSurface*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return "Board";
        case QAccessible::Description:
            return "Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, "
                   "Alt+P passes.";
        default: return QAccessibleWidget::text(t);
        }
    }
    int childCount() const override { return CELL_COUNT; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (m_cells[static_cast<std::size_t>(i)] == child)
                return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!board()->hasFocus())
            return nullptr;
        const QPoint c = board()->cursorCell();
        return child(cellIndex(c.x(), c.y()));
    }
    // The cell a click at that point of the screen would play.
    QAccessibleInterface* childAt(int x, int y) const override
    {
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
        return onBoard(column, row) ? child(cellIndex(column, row)) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return QString(QChar('A' + column)); }
    QString rowDescription(int row) const override { return QString::number(row + 1); }
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
};

class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCell(BoardTable* table, int col, int row)
        : m_table(table)
        , m_col(col)
        , m_row(row)
    {
    }

    bool isValid() const override { return m_table->isValid(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return m_table; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return {};
        const Cell cell = m_table->board()->cellContent(m_col, m_row);
        return QString::fromStdString(CellName(m_col, m_row)) + ", " + (cell == BLACK ? "black" : cell == WHITE ? "white" : "empty");
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        BoardSurface* board = m_table->board();
        const QRect local = CellRect(m_col, m_row).translated(board->contentsRect().topLeft());
        return {board->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        const QPoint c = m_table->board()->cursorCell();
        s.focused = m_table->board()->hasFocus() && c == QPoint(m_col, m_row);
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_col; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return m_table; }

private:
    BoardTable* m_table;
    int m_col;
    int m_row;
};

QAccessibleInterface* BoardTable::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    auto& cell = m_cells[static_cast<std::size_t>(index)];
    if (!cell) {
        cell = new BoardCell(const_cast<BoardTable*>(this), index % BOARD_SIZE, index / BOARD_SIZE);
        QAccessible::registerAccessibleInterface(cell);
    }
    return cell;
}

class Notification : public QAccessibleWidget {
public:
    explicit Notification(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<Announcer*>(widget())->text() : QString();
    }
};

// The status line says only its text, empty or not; a plain label would
// borrow the frame's title when empty.
class StatusLine : public QAccessibleWidget {
public:
    explicit StatusLine(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StatusBar)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

class Separator : public QAccessibleWidget {
public:
    explicit Separator(QWidget* line)
        : QAccessibleWidget(line, QAccessible::Separator)
    {
    }
    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface* factory(const QString& key, QObject* object)
{
    if (key == "kalvado::BoardSurface")
        return new BoardTable(static_cast<BoardSurface*>(object));
    if (key == "kalvado::Announcer")
        return new Notification(static_cast<Announcer*>(object));
    if (key == "QLabel" && object->objectName() == "lblInfo")
        return new StatusLine(static_cast<QLabel*>(object));
    if (key == "QFrame" && object->objectName() == "Line2")
        return new Separator(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

} // namespace kalvado
