#pragma once

#include <QAbstractItemView>

namespace zq {

// A one-column list view that asks its model only for the rows in sight, so a model of
// billions of rows shows at once. The vertical scroll bar counts rows; every row has the
// height of one line of text. Selection, keyboard and mouse work as in any item view.
class LazyListView : public QAbstractItemView {
    Q_OBJECT
public:
    explicit LazyListView(QWidget *parent = nullptr);

    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    void keyboardSearch(const QString &) override {} // would scan every row
    void reset() override;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override { return 0; }
    bool isIndexHidden(const QModelIndex &) const override { return false; }
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void paintEvent(QPaintEvent *event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

private:
    friend class LazyListAccessible;
    int rowHeight() const;
    int rowCount() const;
    int topRow() const;
    int rowsInSight() const; // rows that fit whole in the viewport, at least 1
    int rowAt(int y) const;  // -1 outside the rows
};

} // namespace zq
