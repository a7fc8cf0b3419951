#include "cli/CommandLineOptions.h"
#include "foundation/ProductConstants.h"
#include "foundation/StagingCleanup.h"
#include "support/ByteSafeTemporaryDir.h"
#include "support/SmallVolume.h"
#include "support/TestMain.h"
#include "support/TestPdf.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
    const QString lockedPassword = QStringLiteral("Geheimnis");

    struct CommandResult
    {
        int status = -1;
        QProcess::ExitStatus exit = QProcess::CrashExit;
        QStringList lines; // standard output, one entry per line
        QString errors;
        QStringList errorLines; // standard error, one entry per line
        QByteArray output; // standard output as it came
    };

    QProcessEnvironment environment(const QString& language)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        env.insert(QStringLiteral("LANG"), language);
        return env;
    }

    CommandResult finish(QProcess& process)
    {
        CommandResult result;
        if (!process.waitForFinished(300000)) {
            process.kill();
            process.waitForFinished();
        }
        result.status = process.exitCode();
        result.exit = process.exitStatus();
        result.output = process.readAllStandardOutput();
        result.lines = QString::fromUtf8(result.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        result.errors = QString::fromUtf8(process.readAllStandardError());
        result.errorLines = result.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return result;
    }

    CommandResult runCommand(const QStringList& arguments, const QString& language = QStringLiteral("C.UTF-8"),
        const QString& standardInputFile = QString())
    {
        QProcess process;
        process.setProcessEnvironment(environment(language));
        if (!standardInputFile.isEmpty()) {
            process.setStandardInputFile(standardInputFile);
        }
        process.start(QStringLiteral(KOMPRESTO_COMMAND_PATH), arguments);
        return finish(process);
    }

    /** Runs a bash script with $KOMPRESTO naming the command, for what QProcess cannot say: raw bytes, pipes. */
    CommandResult runScript(const QString& script, const QString& workFolder)
    {
        QProcess process;
        QProcessEnvironment env = environment(QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("KOMPRESTO"), QStringLiteral(KOMPRESTO_COMMAND_PATH));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(workFolder);
        process.start(QStringLiteral("bash"), { QStringLiteral("-c"), script });
        return finish(process);
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
    void optionsDoWhatTheySay_data();
    void optionsDoWhatTheySay();
    void interruptLeavesNothingBehind_data();
    void interruptLeavesNothingBehind();
    void standardOutputIsNeverATerminal();
    void closedPipeEndsTheRunCleanly_data();
    void closedPipeEndsTheRunCleanly();
    void badInputsGetTrueReasons_data();
    void badInputsGetTrueReasons();
    void homeThatCannotHoldTheFoldersIsToldOnce();
    void inPlaceKeepsModeTimesAndFailures();
    void standardInputToStandardOutput();
    void targetSizeIsReadInUnitsOf1024_data();
    void targetSizeIsReadInUnitsOf1024();
    void targetSizeSaysWhetherTheCopyFits();
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
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
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
    // Results on standard output, failures on standard error: four documents and the summary in all,
    // the text file is not taken.
    const QStringList all = result.lines + result.errorLines;
    QCOMPARE(all.size(), 5);
    QCOMPARE(result.lines.size(), delivered.size() + 1);
    QCOMPARE(linesStartingWith(result.errorLines, prefix + "damaged.pdf: failed: damaged").size(), 1);
    QCOMPARE(linesStartingWith(result.errorLines, prefix + "notes.pdf: failed: not a PDF file").size(), 1);
    QCOMPARE(linesStartingWith(all, prefix + lockedLine).size(), 1);
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

    // Every run of a nightly job: the outputs of the runs before are never taken as inputs, and the
    // folders below the folder argument reappear in the output folder.
    for (int run = 0; run < 2; ++run) {
        const CommandResult deep = runCommand({ "-r", "-p", "small", "-o", output, tree.path() });
        QCOMPARE(deep.status, 0);
        QVERIFY2(deep.lines.last().startsWith("Delivered: 2 of 2;"), qPrintable(deep.lines.last()));
        QCOMPARE(linesStartingWith(deep.lines, tree.path() + "/sub/deeper/Scan.PDF: ").size(), 1);
    }
    QCOMPARE(QDir(output).entryList(QDir::Files, QDir::Name), QStringList({ "top.pdf", "top_1.pdf", "top_2.pdf" }));
    QCOMPARE(
        QDir(output + "/sub/deeper").entryList(QDir::Files, QDir::Name), QStringList({ "Scan.PDF", "Scan_1.PDF" }));
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
    QTest::newRow("in place with an output folder") << QStringList { "-i", "-o", "out", "plain.pdf" } << "C"
                                                    << "--in-place replaces the documents themselves";
    QTest::newRow("skip and overwrite") << QStringList { "--skip-existing", "--overwrite", "-o", "out", "plain.pdf" }
                                        << "C"
                                        << "either --skip-existing or --overwrite";
    QTest::newRow("in place and overwrite") << QStringList { "-i", "--overwrite", "plain.pdf" } << "C"
                                            << "--in-place goes with neither";
    QTest::newRow("quiet and verbose") << QStringList { "-q", "-v", "-o", "out", "plain.pdf" } << "C"
                                       << "either --quiet or --verbose";
    QTest::newRow("-0 without a list") << QStringList { "-0", "-o", "out", "plain.pdf" } << "C"
                                       << "give --files-from FILE with it";
    QTest::newRow("standard input twice") << QStringList { "--files-from", "-", "-o", "out", "-" } << "C"
                                          << "Standard input can be read only once";
    QTest::newRow("in place from standard input") << QStringList { "-i", "-" } << "C"
                                                  << "cannot be replaced in place";
    QTest::newRow("standard output with json") << QStringList { "--json", "-o", "-", "plain.pdf" } << "C"
                                               << "--json, --skip-existing and --overwrite";
    QTest::newRow("standard output for two documents") << QStringList { "-o", "-", "plain.pdf", "missing.pdf" } << "C"
                                                       << "but 2 documents were given";
    QTest::newRow("missing list of names") << QStringList { "--files-from", "absent.txt", "-o", "out" } << "C"
                                           << "Cannot read the list of names absent.txt";
    QTest::newRow("password file is a folder")
        << QStringList { "--password-file", ".", "-o", "out", "plain.pdf" } << "C"
        << "not a regular file";
    QTest::newRow("password file is a FIFO")
        << QStringList { "--password-file", "fifo", "-o", "out", "plain.pdf" } << "C"
        << "not a regular file";
    QTest::newRow("password file too large")
        << QStringList { "--password-file", "large.txt", "-o", "out", "plain.pdf" } << "C"
        << "larger than 64 KB";
    QTest::newRow("target size with a preset")
        << QStringList { "--target-size", "2M", "-p", "small", "-o", "out", "plain.pdf" } << "C"
        << "give it without -p or -l";
    QTest::newRow("target size with a level")
        << QStringList { "--target-size", "2M", "-l", "4", "-o", "out", "plain.pdf" } << "C"
        << "give it without -p or -l";
    QTest::newRow("target size of nothing") << QStringList { "--target-size", "0", "-o", "out", "plain.pdf" } << "C"
                                            << "The target size must be a positive number";
    QTest::newRow("negative target size") << QStringList { "--target-size=-5M", "-o", "out", "plain.pdf" } << "C"
                                          << "not \"-5M\"";
    QTest::newRow("target size in other units")
        << QStringList { "--target-size", "2MB", "-o", "out", "plain.pdf" } << "C"
        << "not \"2MB\"";
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
    // A FIFO that nobody writes: opening it to read would wait for ever.
    QCOMPARE(::mkfifo(QFile::encodeName(work.filePath("fifo")).constData(), 0600), 0);
    QVERIFY(TestPdf::writeBytes(work.filePath("large.txt"), QByteArray(64 * 1024 + 1, 'x')));

    const CommandResult result = runCommand(arguments, language);

    QCOMPARE(result.exit, QProcess::NormalExit);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.errors.contains(message), qPrintable(result.errors));
    QVERIFY(result.errors.contains("--help"));
    QCOMPARE(result.lines, QStringList());
    QVERIFY(!QFileInfo::exists(work.filePath("out")));
}

void TestCommandLine::optionsDoWhatTheySay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("standardInput"); // a file of the work folder fed to standard input
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output"); // a text standard output contains; empty: it stays empty
    QTest::addColumn<QString>("errors"); // a text standard error contains; empty: it stays empty
    QTest::addColumn<QStringList>("documents"); // complete PDFs afterwards
    QTest::addColumn<QStringList>("untouched"); // out/a.pdf, made before the run, still as it was
    QTest::addColumn<QStringList>("absent");

    // Every row starts with in/a.pdf, in/sub/b.pdf, a folder without PDFs and out/a.pdf from an earlier run.
    QTest::newRow("a free name beside an earlier output")
        << QStringList { "-o", "out", "in/a.pdf" } << QString() << 0 << "in/a.pdf: " << QString()
        << QStringList { "out/a_1.pdf" } << QStringList { "out/a.pdf" } << QStringList();
    QTest::newRow("-r mirrors the folders")
        << QStringList { "-r", "-o", "out2", "in" } << QString() << 0 << "Delivered: 2 of 2" << QString()
        << QStringList { "out2/a.pdf", "out2/sub/b.pdf" } << QStringList() << QStringList { "out2/b.pdf" };
    QTest::newRow("--skip-existing") << QStringList { "--skip-existing", "-r", "-o", "out", "in" } << QString() << 0
                                     << "in/a.pdf: skipped, " << QString() << QStringList { "out/sub/b.pdf" }
                                     << QStringList { "out/a.pdf" } << QStringList { "out/a_1.pdf" };
    QTest::newRow("--overwrite") << QStringList { "--overwrite", "-o", "out", "in/a.pdf" } << QString() << 0
                                 << "Delivered: 1 of 1" << QString() << QStringList { "out/a.pdf" } << QStringList()
                                 << QStringList { "out/a_1.pdf" };
    QTest::newRow("--overwrite keeps same-named documents apart")
        << QStringList { "--overwrite", "-o", "out", "in/a.pdf", "twin/a.pdf" } << QString() << 0 << "Delivered: 2 of 2"
        << QString() << QStringList { "out/a.pdf", "out/a_1.pdf" } << QStringList() << QStringList { "out/a_2.pdf" };
    QTest::newRow("--skip-existing takes same-named documents in turn")
        << QStringList { "--skip-existing", "-o", "out", "in/a.pdf", "twin/a.pdf" } << QString() << 0 << "skipped: 1"
        << QString() << QStringList { "out/a_1.pdf" } << QStringList { "out/a.pdf" } << QStringList { "out/a_2.pdf" };
    QTest::newRow("the output folder as the input")
        << QStringList { "-o", "in", "in" } << QString() << 1 << QString() << "in is the output folder"
        << QStringList { "in/a.pdf" } << QStringList() << QStringList { "in/a_1.pdf" };
    QTest::newRow("--overwrite never replaces a source")
        << QStringList { "--overwrite", "-o", "in", "in/a.pdf" } << QString() << 1 << "Delivered: 0 of 1"
        << "in/a.pdf: failed: its output" << QStringList { "in/a.pdf" } << QStringList()
        << QStringList { "in/a_1.pdf" };
    QTest::newRow("--in-place") << QStringList { "-i", "in/a.pdf" } << QString() << 0 << "in/a.pdf: " << QString()
                                << QStringList { "in/a.pdf" } << QStringList() << QStringList { "in/a_1.pdf" };
    QTest::newRow("--files-from") << QStringList { "--files-from", "list.txt", "-o", "out2" } << QString() << 0
                                  << "Delivered: 2 of 2" << QString() << QStringList { "out2/a.pdf", "out2/b.pdf" }
                                  << QStringList() << QStringList();
    QTest::newRow("--files-from -0") << QStringList { "--files-from", "list0.txt", "-0", "-o", "out2" } << QString()
                                     << 0 << "Delivered: 2 of 2" << QString()
                                     << QStringList { "out2/a.pdf", "out2/b.pdf" } << QStringList() << QStringList();
    QTest::newRow("--files-from -") << QStringList { "--files-from", "-", "-o", "out2" } << "list.txt" << 0
                                    << "Delivered: 2 of 2" << QString() << QStringList { "out2/a.pdf", "out2/b.pdf" }
                                    << QStringList() << QStringList();
    QTest::newRow("- reads standard input")
        << QStringList { "-o", "out2", "-" } << "in/a.pdf" << 0 << "-: " << QString()
        << QStringList { "out2/stdin.pdf" } << QStringList() << QStringList();
    QTest::newRow("a folder without PDFs")
        << QStringList { "-o", "out2", "empty" } << QString() << 1 << QString() << "No PDF documents found in empty."
        << QStringList() << QStringList() << QStringList { "out2" };
    QTest::newRow("a folder without PDFs beside a document")
        << QStringList { "-o", "out2", "empty", "in/a.pdf" } << QString() << 1 << "Delivered: 1 of 1"
        << "No PDF documents found in empty." << QStringList { "out2/a.pdf" } << QStringList() << QStringList();
    QTest::newRow("--verbose") << QStringList { "-v", "-o", "out2", "in/a.pdf" } << QString() << 0
                               << "Delivered: 1 of 1"
                               << "in/a.pdf: inspected by qpdf, pages: 1" << QStringList { "out2/a.pdf" }
                               << QStringList() << QStringList();
    QTest::newRow("--quiet") << QStringList { "-q", "-o", "out2", "in/a.pdf" } << QString() << 0 << QString()
                             << QString() << QStringList { "out2/a.pdf" } << QStringList() << QStringList();
    QTest::newRow("--json keeps failures on standard output")
        << QStringList { "--json", "-o", "out2", "in/a.pdf", "in/missing.pdf" } << QString() << 1
        << "\"reason\":\"not-found\"" << QString() << QStringList { "out2/a.pdf" } << QStringList() << QStringList();
    QTest::newRow("a private password file")
        << QStringList { "--password-file", "private.txt", "-o", "out2", "in/a.pdf" } << QString() << 0
        << "Delivered: 1 of 1" << QString() << QStringList { "out2/a.pdf" } << QStringList() << QStringList();
    QTest::newRow("a password file others can read")
        << QStringList { "--password-file", "shared.txt", "-o", "out2", "in/a.pdf" } << QString() << 0
        << "Delivered: 1 of 1"
        << "Other users can read the password file shared.txt" << QStringList { "out2/a.pdf" } << QStringList()
        << QStringList();
}

void TestCommandLine::optionsDoWhatTheySay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, standardInput);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, errors);
    QFETCH(QStringList, documents);
    QFETCH(QStringList, untouched);
    QFETCH(QStringList, absent);
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    QVERIFY(QDir().mkpath("in/sub") && QDir().mkpath("empty") && QDir().mkpath("out"));
    QVERIFY(QFile::copy(document("plain.pdf"), "in/a.pdf"));
    QVERIFY(QFile::copy(document("plain.pdf"), "in/sub/b.pdf"));
    QVERIFY(QDir().mkpath("twin") && QFile::copy(document("plain.pdf"), "twin/a.pdf"));
    QVERIFY(TestPdf::writeBytes("empty/notes.txt", "not taken\n"));
    const QByteArray earlier = "an earlier run's output\n";
    QVERIFY(TestPdf::writeBytes("out/a.pdf", earlier));
    QVERIFY(TestPdf::writeBytes("list.txt", "in/a.pdf\nin/sub/b.pdf\n"));
    QVERIFY(TestPdf::writeBytes("list0.txt", QByteArray("in/a.pdf\0in/sub/b.pdf\0", 22)));
    QVERIFY(TestPdf::writeBytes("private.txt", "secret\n")
        && QFile::setPermissions("private.txt", QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(TestPdf::writeBytes("shared.txt", "secret\n")
        && QFile::setPermissions("shared.txt", QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));

    const CommandResult result = runCommand(
        arguments, QStringLiteral("C.UTF-8"), standardInput.isEmpty() ? QString() : work.filePath(standardInput));

    QCOMPARE(result.exit, QProcess::NormalExit);
    QVERIFY2(result.status == status, qPrintable(result.errors));
    if (output.isEmpty()) {
        QCOMPARE(result.lines, QStringList());
    } else {
        QVERIFY2(result.lines.join('\n').contains(output), qPrintable(result.lines.join('\n')));
    }
    if (errors.isEmpty()) {
        QCOMPARE(result.errors, QString());
    } else {
        QVERIFY2(result.errors.contains(errors), qPrintable(result.errors));
        QCOMPARE(result.errors.count(errors), 1);
    }
    for (const QString& path : documents) {
        QVERIFY2(TestPdf::pageCount(path) == 1, qPrintable(path));
    }
    for (const QString& path : untouched) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), earlier);
    }
    for (const QString& path : absent) {
        QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
    }
    QCOMPARE(stagedFiles(), QStringList());
}

void TestCommandLine::interruptLeavesNothingBehind_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("Ctrl-C") << int(SIGINT);
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("a dropped terminal") << int(SIGHUP);
}

void TestCommandLine::interruptLeavesNothingBehind()
{
    QFETCH(int, signalNumber);
    QTemporaryDir output;
    if (!QFileInfo::exists(document("long"))) {
        QVERIFY(QDir().mkpath(document("long")));
        QVERIFY(TestPdf::writeImageDocument(document("long/a-long.pdf"), 20));
        QVERIFY(QFile::copy(document("plain.pdf"), document("long/b-queued.pdf")));
    }
    QProcess process;
    process.setProcessEnvironment(environment("C.UTF-8"));
    // In a process group of its own, as a shell runs a command: Ctrl-C on the terminal reaches the
    // whole group, the interpreter's worker process included.
    process.start(QStringLiteral("setsid"),
        { QStringLiteral(KOMPRESTO_COMMAND_PATH), "-j", "1", "-p", "small", "-o", output.path(), document("long") });
    QVERIFY(process.waitForStarted());
    // A check that fails below must not leave the command running into the next test.
    const auto endCommand = qScopeGuard([&process] {
        if (process.state() != QProcess::NotRunning) {
            ::kill(-static_cast<pid_t>(process.processId()), SIGKILL);
            process.waitForFinished();
        }
    });
    QTRY_VERIFY_WITH_TIMEOUT(!stagedFiles().isEmpty(), 60000);

    // A window that starts now finds the command running and leaves its run folder alone (what the
    // interpreter writes into it meanwhile may change).
    const QStringList runFolders = QDir(Product::tempFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QCOMPARE(StagingCleanup::sweepIfAlone(), 0);
    QCOMPARE(QDir(Product::tempFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), runFolders);

    // The worker is out of the terminal's reach: the command stops it, so it can never read as a crash.
    // The document is staged before its worker starts. A worker is in the command's group for the
    // instant between its start and its move to a group of its own, so it is looked at until it has moved;
    // one that stays would never pass.
    const qint64 commandGroup = process.processId();
    QTRY_VERIFY_WITH_TIMEOUT(!childProcessGroups(process.processId()).isEmpty()
            && !childProcessGroups(process.processId()).contains(commandGroup),
        60000);

    ::kill(-static_cast<pid_t>(process.processId()), signalNumber);
    QVERIFY(process.waitForFinished(120000));

    // Ended by the signal, as a shell expects of an interrupted command, after cleaning up.
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(process.exitCode(), signalNumber);
    QCOMPARE(stagedFiles(), QStringList());
    QCOMPARE(QDir(output.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());
    const QString report = QString::fromUtf8(process.readAllStandardOutput());
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(errors.contains("a-long.pdf: stopped\n"), qPrintable(errors));
    QVERIFY2(report.contains("Delivered: 0 of 2, stopped: 2;"), qPrintable(report));
}

void TestCommandLine::standardOutputIsNeverATerminal()
{
    QTemporaryDir work;
    QVERIFY(QFile::copy(document("plain.pdf"), work.filePath("a.pdf")));

    // script gives the command a terminal of its own as standard output.
    const CommandResult result
        = runScript(QStringLiteral("script -qec '\"$KOMPRESTO\" -o - a.pdf' /dev/null"), work.path());

    QCOMPARE(result.status, 2);
    QVERIFY2(result.output.contains("which is a terminal"), result.output.constData());
    QVERIFY(!result.output.contains("%PDF-"));
}

void TestCommandLine::closedPipeEndsTheRunCleanly_data()
{
    QTest::addColumn<QString>("pipeline");
    // The reader is gone before the first line: writing it raises SIGPIPE while b-long.pdf is compressed.
    QTest::newRow("while compressing") << "\"$KOMPRESTO\" -j 2 -p small -o out in | true";
    // The reader takes the first line only: the pipe closes while the last lines are written.
    QTest::newRow("at the end of the run") << "\"$KOMPRESTO\" -j 1 -p small -o out in | head -n 1";
}

void TestCommandLine::closedPipeEndsTheRunCleanly()
{
    QFETCH(QString, pipeline);
    QTemporaryDir work;
    QVERIFY(QDir().mkpath(work.filePath("in")));
    QVERIFY(QFile::copy(document("plain.pdf"), work.filePath("in/a-small.pdf")));
    QVERIFY(TestPdf::writeImageDocument(work.filePath("in/b-long.pdf"), 20));

    const CommandResult result = runScript(QStringLiteral("set -o pipefail; ") + pipeline, work.path());

    QCOMPARE(result.status, 128 + SIGPIPE);
    QCOMPARE(stagedFiles(), QStringList());
    const QStringList delivered = QDir(work.filePath("out")).entryList(QDir::Files | QDir::Hidden | QDir::System);
    QVERIFY2(delivered.filter(".partial").isEmpty(), qPrintable(delivered.join(' ')));
}

void TestCommandLine::badInputsGetTrueReasons_data()
{
    QTest::addColumn<QString>("script"); // makes the input and runs the command on it; $PLAIN is a PDF
    QTest::addColumn<QString>("line"); // on standard error
    QTest::addColumn<bool>("needsNonRoot");

    QTest::newRow("a FIFO named directly") << "mkfifo x.pdf && \"$KOMPRESTO\" -o out x.pdf"
                                           << "x.pdf: failed: not a regular file" << false;
    QTest::newRow("a FIFO in a folder") << "mkdir in && mkfifo in/x.pdf && \"$KOMPRESTO\" -o out in"
                                        << "in/x.pdf: failed: not a regular file" << false;
    QTest::newRow("a device") << "ln -s /dev/null dev.pdf && \"$KOMPRESTO\" -o out dev.pdf"
                              << "dev.pdf: failed: not a regular file" << false;
    QTest::newRow("a Latin-1 name in a folder")
        << "mkdir in && cp \"$PLAIN\" \"in/$(printf 'lat\\351in.pdf')\" && \"$KOMPRESTO\" -o out in"
        << "in/lat\\xe9in.pdf: failed: its name is not valid UTF-8" << false;
    QTest::newRow("a Latin-1 name named directly")
        << "cp \"$PLAIN\" \"$(printf 'lat\\351in.pdf')\" && \"$KOMPRESTO\" -o out \"$(printf 'lat\\351in.pdf')\""
        << "lat\\xe9in.pdf: failed: its name is not valid UTF-8" << false;
    QTest::newRow("an unreadable file")
        << "cp \"$PLAIN\" secret.pdf && chmod 000 secret.pdf && \"$KOMPRESTO\" -o out secret.pdf"
        << "secret.pdf: failed: permission denied" << true;
}

void TestCommandLine::badInputsGetTrueReasons()
{
    QFETCH(QString, script);
    QFETCH(QString, line);
    QFETCH(bool, needsNonRoot);
    if (needsNonRoot && ::geteuid() == 0) {
        QSKIP("root reads every file");
    }
    ByteSafeTemporaryDir work; // the Latin-1 names are no valid text
    qputenv("PLAIN", QFile::encodeName(document("plain.pdf")));

    const CommandResult result = runScript(script, work.path());

    QCOMPARE(result.status, 1);
    QVERIFY2(linesStartingWith(result.errorLines, line).size() == 1, qPrintable(result.errors));
    QVERIFY2(result.lines.last().startsWith("Delivered: 0 of 1, failed: 1;"), qPrintable(result.lines.join('\n')));
}

void TestCommandLine::homeThatCannotHoldTheFoldersIsToldOnce()
{
    QTemporaryDir work;
    QVERIFY(TestPdf::writeBytes(work.filePath("home"), "a file where the home folder should be\n"));
    QVERIFY(QFile::copy(document("plain.pdf"), work.filePath("a.pdf")));
    QVERIFY(QFile::copy(document("plain.pdf"), work.filePath("b.pdf")));

    const CommandResult result
        = runScript(QStringLiteral("HOME=\"$PWD/home\" \"$KOMPRESTO\" -o out a.pdf b.pdf"), work.path());

    QCOMPARE(result.status, 2);
    QCOMPARE(result.errorLines.size(), 1);
    QVERIFY2(result.errors.startsWith("kompresto: Cannot create the folder " + work.filePath("home")),
        qPrintable(result.errors));
    QVERIFY2(result.errors.contains("Not a directory"), qPrintable(result.errors));
    QCOMPARE(result.lines, QStringList());
}

void TestCommandLine::inPlaceKeepsModeTimesAndFailures()
{
    QTemporaryDir work;
    const QString folder = work.filePath("in");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::copy(document("plain.pdf"), folder + "/a.pdf"));
    QVERIFY(QFile::copy(document("mixed/damaged.pdf"), folder + "/damaged.pdf"));
    QVERIFY(TestPdf::writeTinyDocument(folder + "/tiny.pdf"));
    const QByteArray source = QFile::encodeName(folder + "/a.pdf");
    QCOMPARE(::chmod(source.constData(), 0640), 0);
    const struct timespec times[2] = { { 1577836800, 0 }, { 1577836800, 0 } }; // 2020-01-01
    QCOMPARE(::utimensat(AT_FDCWD, source.constData(), times, 0), 0);
    QFile damaged(folder + "/damaged.pdf");
    QVERIFY(damaged.open(QIODevice::ReadOnly));
    const QByteArray damagedBytes = damaged.readAll();
    const qint64 tinySize = QFileInfo(folder + "/tiny.pdf").size();

    const CommandResult result = runCommand({ "-i", "-p", "small", folder });

    QCOMPARE(result.status, 1); // the damaged document
    QVERIFY2(result.errors.contains("damaged.pdf: failed: damaged"), qPrintable(result.errors));
    QVERIFY2(result.lines.join('\n').contains("a.pdf: ") && result.lines.join('\n').contains("(replaced)"),
        qPrintable(result.lines.join('\n')));
    QCOMPARE(TestPdf::pageCount(folder + "/a.pdf"), 1);
    QVERIFY(QFileInfo(folder + "/a.pdf").size() < QFileInfo(document("plain.pdf")).size());
    struct stat status = {};
    QCOMPARE(::stat(source.constData(), &status), 0);
    QCOMPARE(status.st_mode & 07777, 0640u);
    QCOMPARE(static_cast<qint64>(status.st_mtim.tv_sec), qint64(1577836800));
    QFile damagedAfter(folder + "/damaged.pdf");
    QVERIFY(damagedAfter.open(QIODevice::ReadOnly));
    QCOMPARE(damagedAfter.readAll(), damagedBytes);
    QVERIFY(QFileInfo(folder + "/tiny.pdf").size() <= tinySize);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
        QStringList({ "a.pdf", "damaged.pdf", "tiny.pdf" }));
}

void TestCommandLine::standardInputToStandardOutput()
{
    QTemporaryDir work;
    const CommandResult result
        = runCommand({ "-p", "small", "-o", "-", "-" }, QStringLiteral("C.UTF-8"), document("plain.pdf"));

    QCOMPARE(result.status, 0);
    QVERIFY(result.output.startsWith("%PDF-"));
    QVERIFY(result.output.size() < QFileInfo(document("plain.pdf")).size());
    QVERIFY(TestPdf::writeBytes(work.filePath("result.pdf"), result.output));
    QCOMPARE(TestPdf::pageCount(work.filePath("result.pdf")), 1);
    // The words go to standard error, where they do not mix with the document.
    QVERIFY2(result.errors.contains("Delivered: 1 of 1"), qPrintable(result.errors));
    QCOMPARE(stagedFiles(), QStringList());
    QCOMPARE(QDir(Product::tempFolder()).entryList({ "stdout-*" }, QDir::Dirs), QStringList());
}

void TestCommandLine::targetSizeIsReadInUnitsOf1024_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<qint64>("bytes"); // -1: a usage error

    QTest::newRow("bytes") << "4096" << qint64(4096);
    QTest::newRow("kilobytes") << "500K" << qint64(500) * 1024;
    QTest::newRow("lower case") << "2m" << (qint64(2) << 20);
    QTest::newRow("a fraction of a megabyte") << "1.5M" << qint64(1536) * 1024;
    QTest::newRow("gigabytes") << "1G" << (qint64(1) << 30);
    QTest::newRow("a fraction of a byte") << "1.5" << qint64(-1);
    QTest::newRow("zero") << "0K" << qint64(-1);
    QTest::newRow("less than a byte") << "0.0001K" << qint64(-1);
    QTest::newRow("sign") << "+2M" << qint64(-1);
    QTest::newRow("exponent") << "1e6" << qint64(-1);
    QTest::newRow("other unit") << "2T" << qint64(-1);
    QTest::newRow("empty") << "" << qint64(-1);
    QTest::newRow("beyond any file") << "99999999999999G" << qint64(-1);
}

void TestCommandLine::targetSizeIsReadInUnitsOf1024()
{
    QFETCH(QString, size);
    QFETCH(qint64, bytes);
    const CommandLineOptions options
        = CommandLineOptions::parse({ "kompresto", "--target-size", size, "-o", "out", "plain.pdf" });
    if (bytes < 0) {
        QCOMPARE(options.action(), CommandLineOptions::Action::UsageError);
        return;
    }
    QCOMPARE(options.action(), CommandLineOptions::Action::Compress);
    QCOMPARE(options.setting().mode, qint32(FitUnder));
    QCOMPARE(options.setting().targetSize, bytes);
}

// Below the smallest copy the command delivers that copy, says both sizes and fails; a size the source
// fits under already gets the source; JSON says which.
void TestCommandLine::targetSizeSaysWhetherTheCopyFits()
{
    QTemporaryDir output;
    const CommandResult tooSmall
        = runCommand({ "--json", "--target-size", "1K", "-o", output.filePath("small"), document("plain.pdf") });
    QCOMPARE(tooSmall.status, 1);
    const QJsonObject missed = QJsonDocument::fromJson(tooSmall.lines.value(0).toUtf8()).object();
    QCOMPARE(missed.value("status").toString(), QStringLiteral("failed"));
    QCOMPARE(missed.value("reason").toString(), QStringLiteral("does-not-fit"));
    QCOMPARE(missed.value("fits").toBool(true), false);
    QCOMPARE(missed.value("level").toInt(), 1);
    QCOMPARE(missed.value("targetBytes").toDouble(), 1024.0);
    QVERIFY(missed.value("interpreterRuns").toInt() <= 5);
    const QString smallest = missed.value("output").toString();
    QCOMPARE(missed.value("outputBytes").toDouble(), static_cast<double>(QFileInfo(smallest).size()));
    QVERIFY(QFileInfo(smallest).size() > 1024);

    const CommandResult told
        = runCommand({ "--target-size", "1K", "-o", output.filePath("told"), document("plain.pdf") });
    QCOMPARE(told.status, 1);
    QVERIFY2(told.errors.contains("failed: smallest possible: ") && told.errors.contains(", over 1024 B"),
        qPrintable(told.errors));

    const CommandResult roomy
        = runCommand({ "--json", "--target-size", "1G", "-o", output.filePath("roomy"), document("plain.pdf") });
    QCOMPARE(roomy.status, 0);
    const QJsonObject fitted = QJsonDocument::fromJson(roomy.lines.value(0).toUtf8()).object();
    QCOMPARE(fitted.value("status").toString(), QStringLiteral("delivered"));
    QCOMPARE(fitted.value("fits").toBool(false), true);
    QCOMPARE(fitted.value("setting").toString(), QStringLiteral("source"));
    QCOMPARE(fitted.value("interpreterRuns").toInt(-1), 0);
    QCOMPARE(fitted.value("outputBytes").toDouble(), fitted.value("sourceBytes").toDouble());
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
    QCOMPARE(human.errorLines.value(0), source + ": failed: " + text);

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
