#include "ui/CustomListWidget.h"

#include <QMouseEvent>

CustomListWidget::CustomListWidget(QWidget* parent)
    : QListWidget(parent)
{
    setAcceptDrops(false);
    setDragEnabled(false);
    setDragDropMode(QAbstractItemView::NoDragDrop);
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
