#pragma once

class QPushButton;

/**
 * The dialogs place their buttons at fixed positions sized for the English texts. A translation that
 * needs more room widens its button to the left, so the right edge and the gap to the next button
 * stay where the form puts them; a text that fits leaves the button exactly as the form made it.
 */
class ButtonTextRoom final
{
public:
    /** Free space kept between the text and the border on each side. */
    static constexpr int sidePadding = 8;

    /** Sizes the button for its current text; call it again after every change of text. */
    static void fit(QPushButton* button);

    /** The width the button's current text needs, border and padding included. */
    static int neededWidth(const QPushButton* button);
};
