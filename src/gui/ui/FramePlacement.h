#pragma once

#include <QRect>
#include <QSize>

/** Where the window frame goes on the primary screen: at start-up and when it leaves tall mode. */
namespace FramePlacement {
    /**
     * The frame's geometry for a screen whose available area is `available` (sizes only: the area's own
     * offset is ignored). A frame taller than the area is shortened to 20 pixels less than the area and
     * put 10 pixels from the top; any other frame keeps its size and is centred. Its width never changes.
     */
    QRect place(const QSize& available, const QSize& frame);

    /**
     * The top of a frame of the given height leaving tall mode: a quarter of the way down the available
     * area, raised as far as needed to keep its bottom on the screen, and never above the area's top.
     */
    int normalTop(const QRect& available, int height);
} // namespace FramePlacement
