#include "ui/FramePlacement.h"

QRect FramePlacement::place(const QSize& available, const QSize& frame)
{
    const int width = frame.width();
    if (frame.height() > available.height()) {
        return { (available.width() - width) / 2, 10, width, available.height() - 20 };
    }
    return { (available.width() - width) / 2, (available.height() - frame.height()) / 2, width, frame.height() };
}
