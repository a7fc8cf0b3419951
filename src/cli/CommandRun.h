#pragma once

#include <QCoreApplication>
#include <QStringList>

class CommandLineOptions;
struct InputDocument;

/** One run of the command `kompresto`: reads its arguments, compresses the documents, reports. */
class CommandRun final
{
    Q_DECLARE_TR_FUNCTIONS(CommandRun)

public:
    /** Returns the exit status: 0 every document delivered, 1 some not, 2 a usage error. */
    int exec(const QStringList& arguments);

    /** The signal (SIGINT, SIGTERM) that interrupted the run, 0 when none did. */
    int receivedSignal() const { return m_receivedSignal; }

private:
    int compress(const CommandLineOptions& options, const QVector<InputDocument>& inputs, const QStringList& passwords);
    static int usageError(const QString& message);
    static void startLog(const QStringList& arguments);

    int m_receivedSignal = 0;
};
