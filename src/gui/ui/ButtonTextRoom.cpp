#include "ui/ButtonTextRoom.h"

#include <QPushButton>
#include <QVariant>

namespace {
    // The geometry the form gave the button, kept on the button the first time it is fitted.
    const char* const formGeometryProperty = "formGeometry";
    constexpr int borderWidth = 1;
} // namespace

void ButtonTextRoom::fit(QPushButton* button)
{
    QVariant stored = button->property(formGeometryProperty);
    if (!stored.isValid()) {
        stored = button->geometry();
        button->setProperty(formGeometryProperty, stored);
    }
    const QRect form = stored.toRect();
    const int width = qMax(form.width(), neededWidth(button));
    button->setGeometry(form.right() + 1 - width, form.y(), width, form.height());
}

int ButtonTextRoom::neededWidth(const QPushButton* button)
{
    // The button's own font: the dialog's style sheet sets it when the dialog is polished.
    button->ensurePolished();
    return button->fontMetrics().horizontalAdvance(button->text()) + 2 * (sidePadding + borderWidth);
}
