#include "ui/MyMarkButton.h"

#include <QHideEvent>

MyMarkButton::MyMarkButton(QWidget* parent)
    : QPushButton(parent)
{
}

// A mark hidden while its window is off screen gets no hide event; it still has to be announced,
// or the row would keep a result that no longer shows.
void MyMarkButton::setVisible(bool visible)
{
    const bool wasShown = !isHidden();
    m_hideAnnounced = false;
    QPushButton::setVisible(visible);
    if (!visible && wasShown && !m_hideAnnounced) {
        emit buttonHide();
    }
}

// Minimising the window sends a spontaneous hide event to every child, and hiding an ancestor
// sends one to a mark that stays shown; neither takes the result away, so only the mark's own
// hiding counts.
void MyMarkButton::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous() && isHidden()) {
        m_hideAnnounced = true;
        emit buttonHide();
    }
    QPushButton::hideEvent(event);
}
