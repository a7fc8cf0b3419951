#pragma once

#include "documents/FileItemList.h"

#include <QFrame>
#include <QMap>
#include <QPair>
#include <QVector>

class QLabel;
class QToolButton;

/**
 * A bar in the window that says how many of the files just added were turned away and why, and on
 * request names each of them with its reason. It keeps counting while it is shown and stays until
 * the user closes it; it never asks for an answer.
 */
class RefusedFilesNotice final : public QFrame
{
    Q_OBJECT

public:
    explicit RefusedFilesNotice(QWidget* parent);

    /** Counts count more files refused for reason and shows the notice. */
    void addRefused(FileItemList::Refusal reason, int count);
    /** Remembers the name of one refused file for the details; a bounded number are kept. */
    void addRefusedFile(FileItemList::Refusal reason, const QString& path);
    QString text() const;
    /** Each refused file on a line of its own: its name and why it was not added. */
    QString details() const;

public slots:
    /** Hides the notice and forgets its counts: the next refusal starts a new one. */
    void dismiss();
    /** Shows the names of the refused files with their reasons. */
    void showDetails();

private:
    void retranslate();
    static QString reasonText(FileItemList::Refusal reason);

    QLabel* const m_label; // child of this notice
    QToolButton* const m_details; // child of this notice
    QToolButton* const m_close; // child of this notice
    QMap<FileItemList::Refusal, int> m_counts;
    QVector<QPair<FileItemList::Refusal, QString>> m_files;
};
