#pragma once

#include <QPushButton>

/**
 * The result mark of a file row (success when enabled, failure when disabled). Tells the row when
 * the program takes the mark away, so that the row can forget the result it showed.
 */
class MyMarkButton final : public QPushButton
{
    Q_OBJECT

public:
    explicit MyMarkButton(QWidget* parent = nullptr);

    void setVisible(bool visible) override;

signals:
    /** The program hid the mark; sent once per hide, never when the window system hides the window. */
    void buttonHide();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    bool m_hideAnnounced = false;
};
