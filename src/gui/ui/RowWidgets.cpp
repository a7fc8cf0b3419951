#include "ui/RowWidgets.h"

#include "documents/FileItemList.h"
#include "ui/CustomListWidget.h"
#include "ui/FileItemWidget.h"

#include <QApplication>
#include <algorithm>

namespace {
    // Rows just out of view keep their widgets, so that scrolling a little builds nothing.
    constexpr int rowsKeptBeyondView = 2;
} // namespace

RowWidgets::RowWidgets(CustomListWidget* list, FileItemList* items, QObject* parent)
    : QObject(parent)
    , m_list(list)
    , m_items(items)
{
}

FileItemWidget* RowWidgets::widget(int row) const
{
    return qobject_cast<FileItemWidget*>(m_list->itemWidget(m_list->item(row)));
}

FileItemWidget* RowWidgets::show(int row)
{
    QListWidgetItem* listItem = m_list->item(row);
    if (listItem == nullptr) {
        return nullptr;
    }
    m_list->scrollToItem(listItem);
    showRowsInView();
    return widget(row);
}

// The view would only schedule the row widget's deletion; it goes at once instead, so that no row
// outlives its item.
void RowWidgets::remove(int row)
{
    QListWidgetItem* listItem = m_list->item(row);
    if (!m_rowsWithWidgets.remove(listItem)) {
        return;
    }
    QWidget* rowWidget = m_list->itemWidget(listItem);
    m_list->removeItemWidget(listItem);
    delete rowWidget;
}

void RowWidgets::showRowsInView()
{
    const CustomListWidget::RowSpan view = m_list->rowsInView();
    const int first = std::max(0, view.first - rowsKeptBeyondView);
    const int last = std::min(m_list->count() - 1, view.last + rowsKeptBeyondView);
    // A row with an open dialog keeps its widget while the dialog runs; every dialog is modal.
    if (QApplication::activeModalWidget() == nullptr) {
        const QSet<QListWidgetItem*> withWidgets = m_rowsWithWidgets;
        for (QListWidgetItem* listItem : withWidgets) {
            const int row = m_list->row(listItem);
            if (row < first || row > last) {
                remove(row);
            }
        }
    }
    for (int row = first; row <= last; ++row) {
        build(row);
    }
}

void RowWidgets::build(int row)
{
    QListWidgetItem* listItem = m_list->item(row);
    if (listItem == nullptr || m_rowsWithWidgets.contains(listItem)) {
        return;
    }
    auto* rowWidget = new FileItemWidget(m_items->at(row), m_list);
    m_list->setItemWidget(listItem, rowWidget);
    m_rowsWithWidgets.insert(listItem);
    // The list's entry reads as its row does, for screen readers that walk the list.
    listItem->setData(Qt::AccessibleTextRole, rowWidget->accessibleText());
    connect(rowWidget, &FileItemWidget::accessibleTextChanged, this,
        [listItem](const QString& text) { listItem->setData(Qt::AccessibleTextRole, text); });
    emit built(rowWidget);
}
