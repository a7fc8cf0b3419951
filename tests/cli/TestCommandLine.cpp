#include "foundation/ProductConstants.h"
#include "foundation/StagingCleanup.h"
#include "support/SmallVolume.h"
#include "support/TestMain.h"
#include "support/TestPdf.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {
    const QString lockedPassword = QStringLiteral("Geheimnis");

    struct CommandResult
    {
        int status = -1;
        QProcess::ExitStatus exit = QProcess::CrashExit;
        QStringList lines; // standard output, one entry per line
        QString errors;
    };

    QProcessEnvironment environment(const QString& language)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        env.insert(QStringLiteral("LANG"), language);
        return env;
    }

    CommandResult runCommand(const QStringList& arguments, const QString& language = QStringLiteral("C.UTF-8"))
    {
        QProcess process;
        process.setProcessEnvironment(environment(language));
        process.start(QStringLiteral(KOMPRESTO_COMMAND_PATH), arguments);
        CommandResult result;
        if (!process.waitForFinished(300000)) {
            process.kill();
            process.waitForFinished();
        }
        result.status = process.exitCode();
        result.exit = process.exitStatus();
        result.lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        result.errors = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QStringList linesStartingWith(const QStringList& lines, const QString& prefix)
    {
        QStringList found;
        for (const QString& line : lines) {
            if (line.startsWith(prefix)) {
                found << line;
            }
        }
        return found;
    }

    /** What runs have in the Temp folder: their private folders and whatever is in them. */
    QStringList stagedFiles()
    {
        QStringList found;
        QDirIterator entries(
            Product::tempFolder(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            found << entries.next();
        }
        return found;
    }

    /** The process groups of the running children of a process, read from /proc. */
    QList<qint64> childProcessGroups(qint64 parent)
    {
        QList<qint64> groups;
        const QStringList processes = QDir(QStringLiteral("/proc")).entryList({ QStringLiteral("[0-9]*") }, QDir::Dirs);
        for (const QString& process : processes) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(process));
            if (!stat.open(QIODevice::ReadOnly)) {
                continue;
            }
            // After the name in parentheses: state, parent, process group.
            const QByteArray line = stat.readAll();
            const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 2 && fields.at(1).toLongLong() == parent) {
                groups << fields.at(2).toLongLong();
            }
        }
        return groups;
    }
} // namespace

/** The command run as users run it, on real documents, with the real interpreter and qpdf. */
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reportsEachDocumentOfAFolder_data();
    void reportsEachDocumentOfAFolder();
    void jsonDescribesEveryDocument();
    void recursionNeverTakesItsOwnOutput();
    void usageErrorsSayWhatIsWrong_data();
    void usageErrorsSayWhatIsWrong();
    void interruptLeavesNothingBehind();
    void reasonsTellWhatHappened_data();
    void reasonsTellWhatHappened();

private:
    QString document(const QString& name) const { return m_documents.filePath(name); }
    QString writePasswordFile(const QStringList& passwords);

    QTemporaryDir m_documents;
};

void TestCommandLine::initTestCase()
{
    QVERIFY(m_documents.isValid());
    QVERIFY(QDir().mkpath(document("mixed")));
    QVERIFY(TestPdf::writeImageDocument(document("mixed/photos.pdf"), 2));
    QVERIFY(TestPdf::writeImageDocument(document("plain.pdf"), 1));
    QVERIFY(TestPdf::writeEncryptedCopy(document("plain.pdf"), document("mixed/Locked.PDF"), lockedPassword, "owner"));
    // A PDF header over bytes that are no PDF at all: qpdf finds nothing to repair.
    QVERIFY(TestPdf::writeBytes(document("mixed/damaged.pdf"), "%PDF-1.7\n1 0 obj\n<< /Type /Catalog\nbroken"));
    QVERIFY(TestPdf::writeBytes(document("mixed/notes.pdf"), "Shopping list: milk, bread\n"));
    QVERIFY(TestPdf::writeBytes(document("mixed/readme.txt"), "not taken\n"));
}

QString TestCommandLine::writePasswordFile(const QStringList& passwords)
{
    const QString path = document("passwords.txt");
    // Written as an editor on Windows would, so that every password ends in a carriage return.
    TestPdf::writeBytes(path, passwords.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    return path;
}

void TestCommandLine::reportsEachDocumentOfAFolder_data()
{
    QTest::addColumn<QStringList>("passwords");
    QTest::addColumn<QString>("lockedLine");
    QTest::addColumn<QStringList>("delivered");

    QTest::newRow("no password file") << QStringList() << "Locked.PDF: failed: locked with an open password"
                                      << QStringList { "photos.pdf" };
    QTest::newRow("wrong passwords") << QStringList { "guess", "Geheimnis " }
                                     << "Locked.PDF: failed: locked, and no password of the password file opens it"
                                     << QStringList { "photos.pdf" };
    QTest::newRow("the second password opens it")
        << QStringList { "guess", lockedPassword } << "Locked.PDF: " << QStringList { "Locked.PDF", "photos.pdf" };
}

void TestCommandLine::reportsEachDocumentOfAFolder()
{
    QFETCH(QStringList, passwords);
    QFETCH(QString, lockedLine);
    QFETCH(QStringList, delivered);
    QTemporaryDir output;
    QStringList arguments { "-j", "2", "-p", "small", "-o", output.filePath("out"), document("mixed") };
    if (!passwords.isEmpty()) {
        arguments << "--password-file" << writePasswordFile(passwords);
    }

    const CommandResult result = runCommand(arguments);

    QCOMPARE(result.exit, QProcess::NormalExit);
    QCOMPARE(result.status, 1);
    const QString prefix = document("mixed") + "/";
    QCOMPARE(result.lines.size(), 5); // four documents and the summary; the text file is not taken
    QCOMPARE(linesStartingWith(result.lines, prefix + "damaged.pdf: failed: damaged").size(), 1);
    QCOMPARE(linesStartingWith(result.lines, prefix + "notes.pdf: failed: not a PDF file").size(), 1);
    QCOMPARE(linesStartingWith(result.lines, prefix + lockedLine).size(), 1);
    QCOMPARE(linesStartingWith(result.lines, prefix + "photos.pdf: ").constFirst().contains("% saved"), true);
    QVERIFY2(result.lines.last().startsWith(
                 QStringLiteral("Delivered: %1 of 4, failed: %2;").arg(delivered.size()).arg(4 - delivered.size())),
        qPrintable(result.lines.last()));

    // What was delivered is complete and readable, and never larger than its source.
    QCOMPARE(QDir(output.filePath("out")).entryList(QDir::Files, QDir::Name), delivered);
    for (const QString& name : delivered) {
        const QString source = document("mixed/" + name);
        const QString copy = output.filePath("out/" + name);
        QCOMPARE(TestPdf::pageCount(copy, lockedPassword), TestPdf::pageCount(source, lockedPassword));
        QVERIFY(QFileInfo(copy).size() <= QFileInfo(source).size());
    }
    QCOMPARE(stagedFiles(), QStringList());
}

void TestCommandLine::jsonDescribesEveryDocument()
{
    QTemporaryDir output;
    // Named twice, once through a different path: one document. Messages in German, JSON unchanged.
    const CommandResult result
        = runCommand({ "--json", "-p", "small", "-o", output.path(), document("plain.pdf"),
                         document("mixed/../plain.pdf"), document("mixed/notes.pdf"), document("missing.pdf") },
            QStringLiteral("de_DE.UTF-8"));

    QCOMPARE(result.status, 1);
    QCOMPARE(result.lines.size(), 4);
    QHash<QString, QJsonObject> documents;
    QJsonObject summary;
    for (const QString& line : result.lines) {
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(line.toUtf8(), &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(line));
        if (object.value("type") == "summary") {
            summary = object;
        } else {
            QCOMPARE(object.value("type").toString(), QStringLiteral("document"));
            documents.insert(QFileInfo(object.value("source").toString()).fileName(), object);
        }
    }
    QCOMPARE(documents.size(), 3);

    const QJsonObject plain = documents.value("plain.pdf");
    QCOMPARE(plain.value("status").toString(), QStringLiteral("delivered"));
    QCOMPARE(plain.value("code").toInt(-1), 0);
    const QString outputPath = plain.value("output").toString();
    QCOMPARE(QFileInfo(outputPath).absolutePath(), QFileInfo(output.path()).absoluteFilePath());
    QCOMPARE(plain.value("outputBytes").toDouble(), static_cast<double>(QFileInfo(outputPath).size()));
    QCOMPARE(plain.value("sourceBytes").toDouble(), static_cast<double>(QFileInfo(document("plain.pdf")).size()));
    QVERIFY(plain.value("outputBytes").toDouble() < plain.value("sourceBytes").toDouble());
    QCOMPARE(TestPdf::pageCount(outputPath), 1);

    QCOMPARE(documents.value("notes.pdf").value("status").toString(), QStringLiteral("failed"));
    QCOMPARE(documents.value("notes.pdf").value("reason").toString(), QStringLiteral("not-a-pdf"));
    QVERIFY(!documents.value("notes.pdf").contains("code"));
    QCOMPARE(documents.value("missing.pdf").value("reason").toString(), QStringLiteral("not-found"));

    QCOMPARE(summary.value("documents").toInt(), 3);
    QCOMPARE(summary.value("delivered").toInt(), 1);
    QCOMPARE(summary.value("failed").toInt(), 2);
    QCOMPARE(summary.value("interrupted").toBool(true), false);
    QCOMPARE(summary.value("outputBytes").toDouble(), plain.value("outputBytes").toDouble());
}

void TestCommandLine::recursionNeverTakesItsOwnOutput()
{
    QTemporaryDir tree;
    QVERIFY(QDir().mkpath(tree.filePath("sub/deeper")));
    QVERIFY(QFile::copy(document("plain.pdf"), tree.filePath("top.pdf")));
    QVERIFY(QFile::copy(document("plain.pdf"), tree.filePath("sub/deeper/Scan.PDF")));
    QVERIFY(TestPdf::writeBytes(tree.filePath("sub/notes.txt"), "not taken\n"));
    const QString output = tree.filePath("sub/small"); // inside the folder it compresses

    const CommandResult flat = runCommand({ "-p", "small", "-o", output, tree.path() });
    QCOMPARE(flat.status, 0);
    QVERIFY2(flat.lines.last().startsWith("Delivered: 1 of 1;"), qPrintable(flat.lines.last()));

    // Every run of a nightly job: the outputs of the runs before are never taken as inputs.
    for (int run = 0; run < 2; ++run) {
        const CommandResult deep = runCommand({ "-r", "-p", "small", "-o", output, tree.path() });
        QCOMPARE(deep.status, 0);
        QVERIFY2(deep.lines.last().startsWith("Delivered: 2 of 2;"), qPrintable(deep.lines.last()));
        QCOMPARE(linesStartingWith(deep.lines, tree.path() + "/sub/deeper/Scan.PDF: ").size(), 1);
    }
    QCOMPARE(QDir(output).entryList(QDir::Files, QDir::Name),
        QStringList({ "Scan.PDF", "Scan_1.PDF", "top.pdf", "top_1.pdf", "top_2.pdf" }));
}

void TestCommandLine::usageErrorsSayWhatIsWrong_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");

    QTest::newRow("no output folder") << QStringList { "plain.pdf" } << "C"
                                      << "No output folder given";
    QTest::newRow("no documents") << QStringList { "-o", "out" } << "C"
                                  << "No documents given";
    QTest::newRow("level out of range") << QStringList { "-l", "11", "-o", "out", "plain.pdf" } << "C"
                                        << "The level must be a whole number from 1 to 10, not \"11\"";
    QTest::newRow("preset and level") << QStringList { "-p", "small", "-l", "3", "-o", "out", "plain.pdf" } << "C"
                                      << "either a preset or a level";
    QTest::newRow("unknown preset") << QStringList { "-p", "tiny", "-o", "out", "plain.pdf" } << "C"
                                    << "Unknown preset \"tiny\"";
    QTest::newRow("no jobs") << QStringList { "-j", "0", "-o", "out", "plain.pdf" } << "C"
                             << "number of jobs must be a whole number of 1 or more";
    QTest::newRow("unreadable password file")
        << QStringList { "--password-file", "absent.txt", "-o", "out", "plain.pdf" } << "C"
        << "Cannot read the password file absent.txt";
    QTest::newRow("unknown option") << QStringList { "--fast", "-o", "out", "plain.pdf" } << "C"
                                    << "Unknown option 'fast'";
    QTest::newRow("in the locale's language") << QStringList { "-o", "out" } << "fr_FR.UTF-8"
                                              << "Aucun document indiqué";
}

void TestCommandLine::usageErrorsSayWhatIsWrong()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(QString, message);
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    QVERIFY(QFile::copy(document("plain.pdf"), work.filePath("plain.pdf")));

    const CommandResult result = runCommand(arguments, language);

    QCOMPARE(result.exit, QProcess::NormalExit);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.errors.contains(message), qPrintable(result.errors));
    QVERIFY(result.errors.contains("--help"));
    QCOMPARE(result.lines, QStringList());
    QVERIFY(!QFileInfo::exists(work.filePath("out")));
}

void TestCommandLine::interruptLeavesNothingBehind()
{
    QTemporaryDir output;
    QVERIFY(QDir().mkpath(document("long")));
    QVERIFY(TestPdf::writeImageDocument(document("long/a-long.pdf"), 20));
    QVERIFY(QFile::copy(document("plain.pdf"), document("long/b-queued.pdf")));
    QProcess process;
    process.setProcessEnvironment(environment("C.UTF-8"));
    // In a process group of its own, as a shell runs a command: Ctrl-C on the terminal reaches the
    // whole group, the interpreter's worker process included.
    process.start(QStringLiteral("setsid"),
        { QStringLiteral(KOMPRESTO_COMMAND_PATH), "-j", "1", "-p", "small", "-o", output.path(), document("long") });
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(!stagedFiles().isEmpty(), 60000);

    // A window that starts now finds the command running and leaves its run folder alone (what the
    // interpreter writes into it meanwhile may change).
    const QStringList runFolders = QDir(Product::tempFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QCOMPARE(StagingCleanup::sweepIfAlone(), 0);
    QCOMPARE(QDir(Product::tempFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), runFolders);

    // The worker is out of the terminal's reach: the command stops it, so it can never read as a crash.
    // The document is staged before its worker starts.
    const qint64 commandGroup = process.processId();
    QTRY_VERIFY_WITH_TIMEOUT(!childProcessGroups(process.processId()).isEmpty(), 60000);
    QVERIFY(!childProcessGroups(process.processId()).contains(commandGroup));

    ::kill(-static_cast<pid_t>(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished(120000));

    // Ended by the signal, as a shell expects of an interrupted command, after cleaning up.
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(process.exitCode(), SIGINT);
    QCOMPARE(stagedFiles(), QStringList());
    QCOMPARE(QDir(output.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());
    const QString report = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(report.contains("a-long.pdf: stopped\n"), qPrintable(report));
    QVERIFY2(report.contains("Delivered: 0 of 2, stopped: 2;"), qPrintable(report));
}

void TestCommandLine::reasonsTellWhatHappened_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");

    // The password is right; what it opens has no catalogue. Not "locked".
    QTest::newRow("the password opens a damaged document") << "rootless"
                                                           << "damaged"
                                                           << "damaged, qpdf cannot open it";
    // The interpreter cannot open it and would hand back an empty page of its own size.
    QTest::newRow("the interpreter cannot open it") << "unopened"
                                                    << "unsound-document"
                                                    << "the document or its rewrite is incomplete or unreadable";
    QTest::newRow("the Temp folder's disk is full")
        << "full"
        << "temp-folder-full"
        << QStringLiteral("the disk of the Temp folder %1 is full").arg(QDir::cleanPath(Product::tempFolder()));
}

void TestCommandLine::reasonsTellWhatHappened()
{
    QFETCH(QString, kind);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QTemporaryDir work;
    const QString source = work.filePath(kind + ".pdf");
    QStringList options { "-p", "medium", "-o", work.filePath("out") };
    std::unique_ptr<SmallVolume> volume;
    if (kind == "rootless") {
        QVERIFY(TestPdf::writeRootlessEncryptedCopy(document("plain.pdf"), source, lockedPassword));
        options << "--password-file" << writePasswordFile({ "guess", lockedPassword });
    } else if (kind == "unopened") {
        QVERIFY(TestPdf::writeUnopenableByInterpreterDocument(source));
    } else {
        QVERIFY(QFile::copy(document("plain.pdf"), source));
        volume = std::make_unique<SmallVolume>(Product::tempFolder(), 64 * 1024);
        if (!volume->isMounted()) {
            QSKIP("Mounting a small tmpfs needs root and a system that permits mount; the full-disk case is not run");
        }
        QVERIFY(volume->fillUp());
    }

    const CommandResult human = runCommand(options + QStringList { source });
    QCOMPARE(human.status, 1);
    QCOMPARE(human.lines.value(0), source + ": failed: " + text);

    const CommandResult json = runCommand(options + QStringList { "--json", source });
    QCOMPARE(json.status, 1);
    const QJsonObject report = QJsonDocument::fromJson(json.lines.value(0).toUtf8()).object();
    QCOMPARE(report.value("reason").toString(), key);
    QCOMPARE(QDir(work.filePath("out")).entryList(QDir::Files | QDir::Hidden), QStringList());
    if (volume) {
        QVERIFY(QFile::remove(Product::tempFolder() + "filler"));
    }
}

int main(int argc, char* argv[]) { return runTestWithPrivateHome<QGuiApplication, TestCommandLine>(argc, argv); }
#include "TestCommandLine.moc"
