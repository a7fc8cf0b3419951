#include "ui/CustomListWidget.h"

#include <QMouseEvent>
#include <algorithm>

CustomListWidget::CustomListWidget(QWidget* parent)
    : QListWidget(parent)
{
    setAcceptDrops(false);
    setDragEnabled(false);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    connect(model(), &QAbstractItemModel::rowsInserted, this, &CustomListWidget::viewMoved);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, &CustomListWidget::viewMoved);
    connect(model(), &QAbstractItemModel::modelReset, this, &CustomListWidget::viewMoved);
}

// The model is a child of the view and announces its own destruction as a reset, when this part of
// the view is already gone.
CustomListWidget::~CustomListWidget() { disconnect(model(), nullptr, this, nullptr); }

// Every row is as high as the next, so the rows in view follow from where the first two lie.
CustomListWidget::RowSpan CustomListWidget::rowsInView()
{
    const int rows = count();
    if (rows == 0) {
        return RowSpan();
    }
    // Rows added since the last layout have no place yet.
    executeDelayedItemsLayout();
    const QRect first = visualRect(model()->index(0, 0));
    const int step = rows > 1 ? visualRect(model()->index(1, 0)).top() - first.top() : first.height();
    if (step <= 0) {
        return RowSpan { 0, rows - 1 };
    }
    const auto rowAt = [&](int y) { return std::clamp((y - first.top()) / step, 0, rows - 1); };
    return RowSpan { rowAt(0), rowAt(std::max(0, viewport()->height() - 1)) };
}

void CustomListWidget::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    if (!indexAt(event->pos()).isValid()) {
        setCurrentIndex(QModelIndex());
    }
}

void CustomListWidget::mouseMoveEvent(QMouseEvent* event)
{
    // Rows are selected with clicks, Ctrl, Shift and the keyboard; sweeping over them does nothing.
    event->accept();
}

void CustomListWidget::scrollContentsBy(int dx, int dy)
{
    QListWidget::scrollContentsBy(dx, dy);
    emit viewMoved();
}

void CustomListWidget::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    emit viewMoved();
}

void CustomListWidget::showEvent(QShowEvent* event)
{
    QListWidget::showEvent(event);
    emit viewMoved();
}
