#pragma once

#include "cli/DocumentOutcome.h"

#include <QCoreApplication>
#include <QString>

/** Why a document was not delivered: a fixed key for scripts and a sentence for people. */
class FailureReason final
{
    Q_DECLARE_TR_FUNCTIONS(FailureReason)

public:
    /** A stable, untranslated key such as "locked" or "interpreter-error"; empty for a delivered document. */
    static QString key(const DocumentOutcome& outcome);
    /** The reason in the user's language. */
    static QString text(const DocumentOutcome& outcome);

private:
    static QString engineKey(qint32 code);
    static QString engineText(qint32 code);
};
