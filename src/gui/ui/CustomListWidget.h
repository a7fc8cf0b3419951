#pragma once

#include <QListWidget>

/**
 * The main window's file list: no drops and no drags of its own (files are dropped onto the window),
 * a press on empty space clears the current row, and dragging the pressed mouse selects nothing more.
 * Tells when the rows in view may have changed, so that only those need row widgets.
 */
class CustomListWidget final : public QListWidget
{
    Q_OBJECT

public:
    explicit CustomListWidget(QWidget* parent = nullptr);
    ~CustomListWidget() override;

    /** The rows the viewport shows, first to last; last < first for an empty list. */
    struct RowSpan
    {
        int first = 0;
        int last = -1;
    };
    RowSpan rowsInView();

signals:
    /** Scrolling, resizing, showing, or rows added or removed: other rows may be in view now. */
    void viewMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
