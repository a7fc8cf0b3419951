#pragma once

#include <QListWidget>

/**
 * The main window's file list: no drops and no drags of its own (files are dropped onto the window),
 * a press on empty space clears the current row, and dragging the pressed mouse selects nothing more.
 */
class CustomListWidget final : public QListWidget
{
    Q_OBJECT

public:
    explicit CustomListWidget(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
