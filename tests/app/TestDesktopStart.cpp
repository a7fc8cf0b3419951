#include "foundation/ProductConstants.h"
#include "foundation/SingleInstance.h"
#include "support/LogReader.h"
#include "support/PrivateSessionBus.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"

#include <QtTest>
#include <csignal>
#include <memory>

/**
 * Starts the real application the way the desktop does, with files on its command line, and
 * starts it again while its window is open: the second start hands its files to the window.
 */
class TestDesktopStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void secondStartHandsOverItsFiles_data();
    void secondStartHandsOverItsFiles();
    void filesAndFolderOnTheCommandLineBecomeRows();
    void crashedWindowIsTakenOver_data();
    void crashedWindowIsTakenOver();

private:
    void useTransport(const QString& transport);
    std::unique_ptr<QProcess> startWindow(const QStringList& arguments, const QString& workingFolder = QString());
    int runSecondStart(const QStringList& arguments);
    static int countOf(const QString& text);
    static bool listedDocuments(int count);

    PrivateSessionBus m_bus;
    QTemporaryDir m_documents;
    std::unique_ptr<QTemporaryDir> m_runtime;
    std::unique_ptr<TestHome> m_home;
    QProcessEnvironment m_environment;
    std::vector<std::unique_ptr<QProcess>> m_windows;
};

void TestDesktopStart::initTestCase()
{
    QVERIFY2(m_bus.start(), "dbus-daemon must be installed (scripts/install-deps.sh)");
    QVERIFY(QDir().mkpath(m_documents.filePath("scans/sub")));
    QVERIFY(TestPdf::writeTinyDocument(m_documents.filePath("report.pdf")));
    QVERIFY(TestPdf::writeTinyDocument(m_documents.filePath("handed.pdf")));
    QVERIFY(TestPdf::writeTinyDocument(m_documents.filePath("scans/b.pdf")));
    QVERIFY(TestPdf::writeTinyDocument(m_documents.filePath("scans/a.PDF")));
    QVERIFY(TestPdf::writeTinyDocument(m_documents.filePath("scans/sub/deeper.pdf")));
    QFile notes(m_documents.filePath("scans/notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
}

void TestDesktopStart::init()
{
    m_home = std::make_unique<TestHome>();
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::setPermissions(m_runtime->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    useTransport("session bus");
}

void TestDesktopStart::cleanup()
{
    for (const auto& window : m_windows) {
        if (window->state() != QProcess::NotRunning) {
            window->terminate();
            if (!window->waitForFinished(30000)) {
                window->kill();
                window->waitForFinished();
            }
        }
    }
    m_windows.clear();
    m_home.reset();
}

void TestDesktopStart::useTransport(const QString& transport)
{
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert("HOME", m_home->path());
    m_environment.insert("QT_QPA_PLATFORM", "offscreen");
    m_environment.insert("XDG_RUNTIME_DIR", m_runtime->path());
    m_environment.remove("DESKTOP_STARTUP_ID");
    m_environment.remove("XDG_ACTIVATION_TOKEN");
    // Without a session bus the windows meet on a socket in the runtime folder.
    m_environment.insert("DBUS_SESSION_BUS_ADDRESS",
        transport == "session bus" ? m_bus.address() : QStringLiteral("unix:path=/nonexistent/bus"));
}

std::unique_ptr<QProcess> TestDesktopStart::startWindow(const QStringList& arguments, const QString& workingFolder)
{
    auto window = std::make_unique<QProcess>();
    window->setProcessEnvironment(m_environment);
    window->setWorkingDirectory(workingFolder.isEmpty() ? m_documents.path() : workingFolder);
    window->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    window->setStandardOutputFile(QProcess::nullDevice());
    window->start(KOMPRESTO_APP_PATH, arguments);
    return window;
}

int TestDesktopStart::runSecondStart(const QStringList& arguments)
{
    std::unique_ptr<QProcess> start = startWindow(arguments);
    // The hand-over waits up to its own limit for the window; this waits longer.
    if (!start->waitForFinished(SingleInstance::handOverTimeoutMs * 6)) {
        start->kill();
        start->waitForFinished();
        return -1;
    }
    return start->exitStatus() == QProcess::NormalExit ? start->exitCode() : -1;
}

int TestDesktopStart::countOf(const QString& text) { return LogReader::allText().count(text); }

bool TestDesktopStart::listedDocuments(int count)
{
    return LogReader::allText().contains(QStringLiteral("Documents listed: %1").arg(count));
}

void TestDesktopStart::secondStartHandsOverItsFiles_data()
{
    QTest::addColumn<QString>("transport");
    QTest::newRow("session bus") << "session bus";
    QTest::newRow("local socket") << "local socket";
}

void TestDesktopStart::secondStartHandsOverItsFiles()
{
    QFETCH(QString, transport);
    useTransport(transport);
    m_windows.push_back(startWindow({ m_documents.filePath("report.pdf") }, m_home->path()));
    QProcess& first = *m_windows.back();
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(listedDocuments(1), 60000);

    // Started from another folder than the window's, with a path relative to it.
    QCOMPARE(runSecondStart({ "handed.pdf" }), 0);
    QTRY_VERIFY_WITH_TIMEOUT(listedDocuments(2), 60000);
    const QString handedOver = LogReader::unescaped(LogReader::allText());
    QVERIFY(handedOver.contains(
        QStringLiteral("Files from another start: (\"%1\")").arg(m_documents.filePath("handed.pdf"))));
    // A start without files only brings the window forward; the list stays as it is.
    QCOMPARE(runSecondStart({}), 0);
    QCOMPARE(first.state(), QProcess::Running);
    QCOMPARE(countOf("Screen width : "), 1);
    QVERIFY(!LogReader::allText().contains("Documents listed: 3"));
}

void TestDesktopStart::filesAndFolderOnTheCommandLineBecomeRows()
{
    m_windows.push_back(startWindow({ "report.pdf", QUrl::fromLocalFile(m_documents.filePath("scans")).toString() }));
    QVERIFY(m_windows.back()->waitForStarted());
    // report.pdf, then the two PDFs directly in the folder; neither the text file nor the subfolder's.
    // The count is logged once for the whole adding, so a fourth document would have shown in it.
    QTRY_VERIFY_WITH_TIMEOUT(listedDocuments(3), 60000);
    QVERIFY(!LogReader::allText().contains("Documents listed: 4"));
}

void TestDesktopStart::crashedWindowIsTakenOver_data() { secondStartHandsOverItsFiles_data(); }

// A window that crashed leaves its socket (or, for an instant, its bus name) behind; the next start
// must take its place, and the start after that must find the new window.
void TestDesktopStart::crashedWindowIsTakenOver()
{
    QFETCH(QString, transport);
    useTransport(transport);
    m_windows.push_back(startWindow({}));
    QVERIFY(m_windows.back()->waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(countOf("Screen width : ") == 1, 60000);
    ::kill(static_cast<pid_t>(m_windows.back()->processId()), SIGKILL);
    QVERIFY(m_windows.back()->waitForFinished());

    m_windows.push_back(startWindow({ "report.pdf" }));
    QVERIFY(m_windows.back()->waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(listedDocuments(1), 60000);
    QCOMPARE(countOf("Screen width : "), 2);
    QCOMPARE(runSecondStart({ "handed.pdf" }), 0);
    QTRY_VERIFY_WITH_TIMEOUT(listedDocuments(2), 60000);
    QCOMPARE(m_windows.back()->state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestDesktopStart)
#include "TestDesktopStart.moc"
