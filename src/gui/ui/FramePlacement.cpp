#include "ui/FramePlacement.h"

#include <algorithm>

QRect FramePlacement::place(const QSize& available, const QSize& frame)
{
    const int width = frame.width();
    if (frame.height() > available.height()) {
        return { (available.width() - width) / 2, 10, width, available.height() - 20 };
    }
    return { (available.width() - width) / 2, (available.height() - frame.height()) / 2, width, frame.height() };
}

int FramePlacement::normalTop(const QRect& available, int height)
{
    const int quarterDown = available.top() + available.height() / 4;
    const int lowestOnScreen = available.top() + available.height() - height;
    return std::max(available.top(), std::min(quarterDown, lowestOnScreen));
}
