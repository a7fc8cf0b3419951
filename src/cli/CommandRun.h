#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QStringList>

class CommandLineOptions;
struct InputDocument;

/** One run of the command `kompresto`: reads its arguments, compresses the documents, reports. */
class CommandRun final
{
    Q_DECLARE_TR_FUNCTIONS(CommandRun)

public:
    /**
     * Returns the exit status: 0 every document delivered, 1 some not, 2 a usage error.
     * rawArguments are the bytes of argv, to recognise names that Qt cannot decode.
     */
    int exec(const QStringList& arguments, const QList<QByteArray>& rawArguments = QList<QByteArray>());

    /** The signal (SIGINT, SIGTERM, SIGHUP, SIGPIPE) that interrupted the run, 0 when none did. */
    int receivedSignal() const { return m_receivedSignal; }

private:
    int prepareAndCompress(const CommandLineOptions& options, const QList<QByteArray>& rawArguments);
    int compress(const CommandLineOptions& options, const QVector<InputDocument>& inputs, const QStringList& passwords,
        int foldersWithoutDocuments);
    bool readPasswords(const CommandLineOptions& options, QStringList& passwords, QString& error);
    static bool readNameList(const CommandLineOptions& options, QStringList& names,
        QHash<QString, QByteArray>& unrepresentable, QString& error);
    static bool sendToStandardOutput(const QString& path);
    static int usageError(const QString& message);
    static void warn(const QString& message);
    static void startLog(const QStringList& arguments);

    int m_receivedSignal = 0;
};
