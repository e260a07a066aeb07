#include "common/lazy_list_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>

namespace zq {

namespace {

// One row in sight, as a screen reader reads it: an item named by its text.
class LazyRowAccessible : public QAccessibleInterface {
public:
    LazyRowAccessible(LazyListView *view, int row) : m_view(view), m_row(row) {}
    int row() const { return m_row; }
    bool isValid() const override {
        return m_view && m_view->model() && m_row < m_view->model()->rowCount(m_view->rootIndex());
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override {
        return QAccessible::queryAccessibleInterface(m_view);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? index().data().toString() : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect shown = m_view->visualRect(index());
        return {m_view->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.selected =
            isValid() && m_view->selectionModel() && m_view->selectionModel()->isSelected(index());
        return state;
    }

private:
    QModelIndex index() const { return m_view->model()->index(m_row, 0, m_view->rootIndex()); }
    QPointer<LazyListView> m_view;
    int m_row;
};

} // namespace

// Qt gives its own item views an accessible side but not a view made outside it: the list is
// read as the rows in sight, each an item.
class LazyListAccessible : public QAccessibleWidget {
public:
    explicit LazyListAccessible(LazyListView *view) : QAccessibleWidget(view, QAccessible::List) {}
    ~LazyListAccessible() override {
        for (QAccessible::Id id : std::as_const(m_rows))
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override {
        const LazyListView *list = view();
        return std::clamp(list->rowCount() - list->topRow(), 0, list->rowsInSight());
    }
    QAccessibleInterface *child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        const int row = view()->topRow() + index;
        if (!m_rows.contains(row))
            m_rows.insert(
                row, QAccessible::registerAccessibleInterface(new LazyRowAccessible(view(), row)));
        return QAccessible::accessibleInterface(m_rows.value(row));
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        if (!child || child->role() != QAccessible::ListItem || child->parent() != this)
            return -1;
        const int index = static_cast<const LazyRowAccessible *>(child)->row() - view()->topRow();
        return index >= 0 && index < childCount() ? index : -1;
    }

private:
    LazyListView *view() const { return static_cast<LazyListView *>(widget()); }
    mutable QHash<int, QAccessible::Id> m_rows;
};

namespace {

QAccessibleInterface *lazyListAccessible(const QString &className, QObject *object) {
    if (className == QLatin1String("zq::LazyListView") && object && object->isWidgetType())
        return new LazyListAccessible(static_cast<LazyListView *>(object));
    return nullptr;
}

} // namespace

LazyListView::LazyListView(QWidget *parent) : QAbstractItemView(parent) {
    static const bool readable = (QAccessible::installFactory(lazyListAccessible), true);
    Q_UNUSED(readable);
    setSelectionMode(SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

int LazyListView::rowHeight() const {
    return fontMetrics().height() + 2;
}

int LazyListView::rowCount() const {
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int LazyListView::topRow() const {
    return verticalScrollBar()->value();
}

int LazyListView::rowsInSight() const {
    return std::max(1, viewport()->height() / rowHeight());
}

int LazyListView::rowAt(int y) const {
    if (y < 0)
        return -1;
    const qint64 row = qint64(topRow()) + y / rowHeight();
    return row < rowCount() ? int(row) : -1;
}

QRect LazyListView::visualRect(const QModelIndex &index) const {
    if (!index.isValid() || index.parent() != rootIndex())
        return {};
    // Rows far out of sight get a rectangle outside the viewport without overflowing.
    const qint64 offset = qint64(index.row()) - topRow();
    const qint64 limit = 1 << 20;
    const int y = int(std::clamp(offset, -limit, limit)) * rowHeight();
    return QRect(0, y, viewport()->width(), rowHeight());
}

void LazyListView::scrollTo(const QModelIndex &index, ScrollHint hint) {
    if (!index.isValid())
        return;
    const int row = index.row();
    const int sight = rowsInSight();
    int top = topRow();
    switch (hint) {
    case PositionAtTop:
        top = row;
        break;
    case PositionAtBottom:
        top = row - sight + 1;
        break;
    case PositionAtCenter:
        top = row - sight / 2;
        break;
    case EnsureVisible:
        if (row < top)
            top = row;
        else if (qint64(row) >= qint64(top) + sight)
            top = row - sight + 1;
        break;
    }
    verticalScrollBar()->setValue(top);
}

QModelIndex LazyListView::indexAt(const QPoint &point) const {
    const int row = rowAt(point.y());
    return row < 0 || !model() ? QModelIndex() : model()->index(row, 0, rootIndex());
}

void LazyListView::reset() {
    QAbstractItemView::reset();
    verticalScrollBar()->setValue(0);
    updateGeometries();
    viewport()->update();
}

QModelIndex LazyListView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int rows = rowCount();
    if (rows == 0)
        return {};
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    qint64 target = row;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        target = row - 1;
        break;
    case MoveDown:
    case MoveNext:
        target = qint64(row) + 1;
        break;
    case MovePageUp:
        target = row - rowsInSight();
        break;
    case MovePageDown:
        target = qint64(row) + rowsInSight();
        break;
    case MoveHome:
        target = 0;
        break;
    case MoveEnd:
        target = rows - 1;
        break;
    default:
        break;
    }
    return model()->index(int(std::clamp<qint64>(target, 0, rows - 1)), 0, rootIndex());
}

void LazyListView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) {
    const QRect bounded = rect.normalized().intersected(viewport()->rect());
    int first = rowAt(bounded.top());
    int last = rowAt(bounded.bottom());
    if (last < 0)
        last = rowCount() - 1;
    if (first < 0 || last < first) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    const QModelIndex from = model()->index(first, 0, rootIndex());
    const QModelIndex to = model()->index(last, 0, rootIndex());
    selectionModel()->select(QItemSelection(from, to), command);
}

QRegion LazyListView::visualRegionForSelection(const QItemSelection &selection) const {
    QRegion region;
    const qint64 top = topRow();
    const qint64 bottom = top + rowsInSight();
    for (const QItemSelectionRange &range : selection) {
        const qint64 first = std::max<qint64>(range.top(), top);
        const qint64 last = std::min<qint64>(range.bottom(), bottom);
        if (first <= last)
            region += QRect(0, int(first - top) * rowHeight(), viewport()->width(),
                            int(last - first + 1) * rowHeight());
    }
    return region;
}

void LazyListView::paintEvent(QPaintEvent *) {
    QPainter painter(viewport());
    if (!model())
        return;
    const int rows = rowCount();
    const int height = rowHeight();
    const QModelIndex current = currentIndex();
    for (qint64 row = topRow(), y = 0; row < rows && y < viewport()->height(); ++row, y += height) {
        const QModelIndex index = model()->index(int(row), 0, rootIndex());
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = QRect(0, int(y), viewport()->width(), height);
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (index == current && hasFocus())
            option.state |= QStyle::State_HasFocus;
        itemDelegate()->paint(&painter, option, index);
    }
}

void LazyListView::updateGeometries() {
    const int rows = rowCount();
    const int sight = rowsInSight();
    verticalScrollBar()->setRange(0, std::max(0, rows - sight));
    verticalScrollBar()->setPageStep(sight);
    verticalScrollBar()->setSingleStep(1);
    QAbstractItemView::updateGeometries();
}

void LazyListView::scrollContentsBy(int, int) {
    viewport()->update();
}

void LazyListView::rowsInserted(const QModelIndex &parent, int start, int end) {
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    viewport()->update();
}

void LazyListView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) {
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    updateGeometries();
    viewport()->update();
}

} // namespace zq
