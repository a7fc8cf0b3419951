#pragma once

#include <QObject>
#include <QSet>

class CustomListWidget;
class FileItemList;
class FileItemWidget;
class QListWidgetItem;

/**
 * Gives the rows of the file list in view their widgets. A row widget costs far more than its
 * document: thousands of them would take seconds to build and hundreds of megabytes to keep. Only the
 * rows in view, and a few beside them, have one; everything a row shows lives in its item, so a row
 * that comes back into view is built again as it was. Row i of the list shows item i of the items.
 */
class RowWidgets final : public QObject
{
    Q_OBJECT

public:
    /** list and items outlive this object. */
    RowWidgets(CustomListWidget* list, FileItemList* items, QObject* parent = nullptr);

    /** The widget that shows row; null while the row is out of view. */
    FileItemWidget* widget(int row) const;
    /** Scrolls the list until row is in view, and returns its widget; null for a row not listed. */
    FileItemWidget* show(int row);
    /** Builds the widgets of the rows in view and removes those of the rows far from it. */
    void showRowsInView();
    /** Removes the widget of row at once, before the row or its item goes. */
    void remove(int row);

signals:
    /** A row got a new widget. */
    void built(FileItemWidget* widget);

private:
    void build(int row);

    CustomListWidget* const m_list;
    FileItemList* const m_items;
    QSet<QListWidgetItem*> m_rowsWithWidgets; // owned by the list
};
