#pragma once

#include "documents/FileItemList.h"

#include <QFrame>
#include <QMap>

class QLabel;
class QTimer;
class QToolButton;

/**
 * A bar in the window that says how many of the files just added were turned away and why. It
 * keeps counting while it is shown, goes away by itself a few seconds after the last refusal, and
 * never asks for an answer.
 */
class RefusedFilesNotice final : public QFrame
{
    Q_OBJECT

public:
    explicit RefusedFilesNotice(QWidget* parent);

    /** Counts count more files refused for reason and shows the notice (again) for its full time. */
    void addRefused(FileItemList::Refusal reason, int count);
    /** How long the notice stays after the last refusal, in milliseconds. */
    void setShownFor(int milliseconds);
    int shownFor() const;
    QString text() const;

public slots:
    /** Hides the notice and forgets its counts: the next refusal starts a new one. */
    void dismiss();

private:
    void retranslate();

    QLabel* const m_label; // child of this notice
    QToolButton* const m_close; // child of this notice
    QTimer* const m_timer; // child of this notice
    QMap<FileItemList::Refusal, int> m_counts;
};
