#include "ui/grid_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <utility>
#include <vector>

#include "ui/draw_grid.h"

namespace quintix {

namespace {

// The table's rows and columns are the grid's normal cells; its fixed column gives the row headers
// and the column titles the column headers. The children, in reading order: the column headers,
// then each row's header followed by its cells.
enum class TPart { ColumnHeader, RowHeader, Cell };

struct TPlace {
    TPart Part = TPart::Cell;
    int Row = -1;  // in table coordinates; -1 on a column header
    int Col = -1;  // -1 on a row header
};

int TableRows(const TDrawGrid& grid) {
    return grid.RowCount() - grid.FixedRows();
}

int TableCols(const TDrawGrid& grid) {
    return grid.ColCount() - grid.FixedCols();
}

int ChildCount(const TDrawGrid& grid) {
    return TableCols(grid) + TableRows(grid) * (TableCols(grid) + 1);
}

int ChildIndex(const TDrawGrid& grid, const TPlace& place) {
    const int cols = TableCols(grid);
    switch (place.Part) {
        case TPart::ColumnHeader:
            return place.Col;
        case TPart::RowHeader:
            return cols + place.Row * (cols + 1);
        case TPart::Cell:
            return cols + place.Row * (cols + 1) + 1 + place.Col;
    }
    return -1;
}

TPlace PlaceOfChild(const TDrawGrid& grid, int index) {
    const int cols = TableCols(grid);
    if (index < cols) {
        return {TPart::ColumnHeader, -1, index};
    }
    const int row = (index - cols) / (cols + 1);
    const int at = (index - cols) % (cols + 1);
    return at == 0 ? TPlace{TPart::RowHeader, row, -1} : TPlace{TPart::Cell, row, at - 1};
}

// The grid cell a child stands for; a column header of a grid without fixed rows has none.
bool GridCellOf(const TDrawGrid& grid, const TPlace& place, int& col, int& row) {
    col = place.Part == TPart::RowHeader ? grid.FixedCols() - 1 : place.Col + grid.FixedCols();
    row = place.Part == TPart::ColumnHeader ? grid.FixedRows() - 1 : place.Row + grid.FixedRows();
    return col >= 0 && row >= 0;
}

QString ChildText(const TDrawGrid& grid, const TPlace& place) {
    if (place.Part == TPart::ColumnHeader) {
        return grid.ColumnTitle(place.Col + grid.FixedCols());
    }
    int col = 0;
    int row = 0;
    return GridCellOf(grid, place, col, row) ? grid.CellText(col, row) : QString();
}

// A cell's note is its description; headers have none.
QString ChildNote(const TDrawGrid& grid, const TPlace& place) {
    int col = 0;
    int row = 0;
    const bool cell = place.Part == TPart::Cell && GridCellOf(grid, place, col, row);
    return cell ? grid.CellNote(col, row) : QString();
}

// Only a grid that can take the focus has a current cell worth reporting: the one a double-click
// or the keyboard acts on.
bool HasSelection(const TDrawGrid& grid) {
    return grid.focusPolicy() != Qt::NoFocus;
}

int CurrentIndex(const TDrawGrid& grid) {
    return ChildIndex(grid, {TPart::Cell, grid.Row() - grid.FixedRows(), grid.Col() - grid.FixedCols()});
}

// One cell or header of a grid. It holds no text of its own: every answer is read from the grid.
class TGridPart : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TGridPart(TDrawGrid& grid, const TPlace& place) : Grid(&grid), Place(place) {}

    bool isValid() const override { return !Grid.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Grid ? Grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Grid.data());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

    QString text(QAccessible::Text type) const override {
        if (!Grid) {
            return {};
        }
        if (type == QAccessible::Description) {
            return ChildNote(*Grid, Place);
        }
        return type == QAccessible::Name ? ChildText(*Grid, Place) : QString();
    }
    void setText(QAccessible::Text /*type*/, const QString& /*text*/) override {}

    QRect rect() const override {
        int col = 0;
        int row = 0;
        if (!Grid || !GridCellOf(*Grid, Place, col, row)) {
            return {};
        }
        const QRect cell = Grid->CellRect(col, row);
        return {Grid->mapToGlobal(cell.topLeft()), cell.size()};
    }

    QAccessible::Role role() const override {
        switch (Place.Part) {
            case TPart::ColumnHeader:
                return QAccessible::ColumnHeader;
            case TPart::RowHeader:
                return QAccessible::RowHeader;
            case TPart::Cell:
                break;
        }
        return QAccessible::Cell;
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!Grid) {
            return state;
        }
        state.invisible = !Grid->isVisible();
        if (Place.Part == TPart::Cell && HasSelection(*Grid)) {
            state.focusable = true;
            state.selectable = true;
            state.selected = isSelected();
            state.focused = state.selected && Grid->hasFocus();
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        const bool cell = Place.Part == TPart::Cell && type == QAccessible::TableCellInterface;
        return cell ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override {
        return Grid && HasSelection(*Grid) && ChildIndex(*Grid, Place) == CurrentIndex(*Grid);
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return Header({TPart::ColumnHeader, -1, Place.Col});
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        return Header({TPart::RowHeader, Place.Row, -1});
    }
    int columnIndex() const override { return Place.Col; }
    int rowIndex() const override { return Place.Row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QList<QAccessibleInterface*> Header(const TPlace& header) const {
        QAccessibleInterface* table = parent();
        QAccessibleInterface* found = table != nullptr ? table->child(ChildIndex(*Grid, header)) : nullptr;
        return found != nullptr ? QList<QAccessibleInterface*>{found} : QList<QAccessibleInterface*>{};
    }

    QPointer<TDrawGrid> Grid;
    TPlace Place;
};

class TGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TGridAccessible(TDrawGrid* grid)
        : QAccessibleWidget(grid, QAccessible::Table),
          Children(static_cast<std::size_t>(ChildCount(*grid)), 0),
          ReportedCurrent(CurrentIndex(*grid)) {
        for (int i = 0; i < ChildCount(*grid); ++i) {
            Reported.push_back(Words(i));
        }
    }
    ~TGridAccessible() override {
        for (const QAccessible::Id id : Children) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }
    TGridAccessible(const TGridAccessible&) = delete;
    TGridAccessible& operator=(const TGridAccessible&) = delete;

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return ChildCount(Grid()); }

    // Made on first use and kept, so that a screen reader sees the same object each time it asks.
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        QAccessible::Id& id = Children[static_cast<std::size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(new TGridPart(Grid(), PlaceOfChild(Grid(), index)));
        }
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < Children.size(); ++i) {
            if (Children[i] != 0 && QAccessible::accessibleInterface(Children[i]) == child) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const TDrawGrid& grid = Grid();
        int col = 0;
        int row = 0;
        if (!grid.CellAt(grid.mapFromGlobal(QPoint(x, y)), col, row)) {
            return nullptr;
        }
        const int tableRow = row - grid.FixedRows();
        const int tableCol = col - grid.FixedCols();
        if (tableRow >= 0 && tableCol >= 0) {
            return cellAt(tableRow, tableCol);
        }
        if (tableRow >= 0) {
            return child(ChildIndex(grid, {TPart::RowHeader, tableRow, -1}));
        }
        return tableCol >= 0 ? child(ChildIndex(grid, {TPart::ColumnHeader, -1, tableCol})) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        return Grid().hasFocus() ? child(CurrentIndex(Grid())) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const bool inside = row >= 0 && row < rowCount() && column >= 0 && column < columnCount();
        return inside ? child(ChildIndex(Grid(), {TPart::Cell, row, column})) : nullptr;
    }
    int selectedCellCount() const override { return HasSelection(Grid()) ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        return HasSelection(Grid()) ? QList<QAccessibleInterface*>{child(CurrentIndex(Grid()))}
                                    : QList<QAccessibleInterface*>{};
    }
    QString columnDescription(int column) const override {
        return column >= 0 && column < columnCount() ? ChildText(Grid(), {TPart::ColumnHeader, -1, column})
                                                     : QString();
    }
    QString rowDescription(int row) const override {
        return row >= 0 && row < rowCount() ? ChildText(Grid(), {TPart::RowHeader, row, -1}) : QString();
    }
    int columnCount() const override { return TableCols(Grid()); }
    int rowCount() const override { return TableRows(Grid()); }
    // Whole rows and columns are never selected: the grid has one current cell.
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    // A grid's rows and columns are fixed when it is made.
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}

    void CellsChanged() {
        for (int i = 0; i < childCount(); ++i) {
            TWords words = Words(i);
            TWords& reported = Reported[static_cast<std::size_t>(i)];
            if (words.first != reported.first) {
                Notify(i, QAccessible::NameChanged);
            }
            if (words.second != reported.second) {
                Notify(i, QAccessible::DescriptionChanged);
            }
            reported = std::move(words);
        }
    }

    void CurrentCellMoved() {
        const int current = CurrentIndex(Grid());
        if (current == ReportedCurrent) {
            return;
        }
        const int previous = ReportedCurrent;
        ReportedCurrent = current;
        if (HasSelection(Grid())) {
            Notify(previous, QAccessible::SelectionRemove);
            Notify(current, QAccessible::SelectionAdd);
        }
        if (Grid().hasFocus()) {
            Notify(current, QAccessible::Focus);
        }
    }

private:
    using TWords = std::pair<QString, QString>;  // a child's name and description

    TDrawGrid& Grid() const { return *static_cast<TDrawGrid*>(widget()); }
    TWords Words(int index) const {
        const TPlace place = PlaceOfChild(Grid(), index);
        return {ChildText(Grid(), place), ChildNote(Grid(), place)};
    }

    void Notify(int index, QAccessible::Event type) const {
        QAccessibleEvent event(child(index), type);
        QAccessible::updateAccessibility(&event);
    }

    mutable std::vector<QAccessible::Id> Children;
    std::vector<TWords> Reported;  // each child's words as last reported
    int ReportedCurrent;
};

QAccessibleInterface* GridFactory(const QString& /*className*/, QObject* object) {
    auto* grid = qobject_cast<TDrawGrid*>(object);
    return grid != nullptr ? new TGridAccessible(grid) : nullptr;
}

// The grid's interface, made on first use; null while no assistive technology listens, so the
// game pays nothing for it then.
TGridAccessible* ListenedGrid(TDrawGrid& grid) {
    if (!QAccessible::isActive()) {
        return nullptr;
    }
    return dynamic_cast<TGridAccessible*>(QAccessible::queryAccessibleInterface(&grid));
}

}  // namespace

void InstallGridAccessibility() {
    QAccessible::installFactory(GridFactory);
}

void GridCellsChanged(TDrawGrid& grid) {
    if (TGridAccessible* table = ListenedGrid(grid)) {
        table->CellsChanged();
    }
}

void GridCurrentCellMoved(TDrawGrid& grid) {
    if (TGridAccessible* table = ListenedGrid(grid)) {
        table->CurrentCellMoved();
    }
}

}  // namespace quintix
