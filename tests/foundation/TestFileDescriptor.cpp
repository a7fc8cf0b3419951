#include "foundation/FileDescriptor.h"

#include <QtTest>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {
    bool isOpen(int fd) { return fd >= 0 && ::fcntl(fd, F_GETFD) != -1; }

    int openNull() { return ::open("/dev/null", O_RDONLY | O_CLOEXEC); }
} // namespace

/** Each way a descriptor can leave its owner closes it exactly once, and never one it no longer owns. */
class TestFileDescriptor : public QObject
{
    Q_OBJECT

private slots:
    void closesOnEveryEnding_data();
    void closesOnEveryEnding();
    void releasedDescriptorStaysOpen();
    void failedOpenOwnsNothing();
};

void TestFileDescriptor::closesOnEveryEnding_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("out of scope") << "scope";
    QTest::newRow("reset") << "reset";
    QTest::newRow("reset to another") << "reset to another";
    QTest::newRow("close") << "close";
    QTest::newRow("moved out, new owner ends") << "move construct";
    QTest::newRow("moved over") << "move assign";
    QTest::newRow("assigned over") << "assigned over";
}

void TestFileDescriptor::closesOnEveryEnding()
{
    QFETCH(QString, ending);
    const int fd = openNull();
    QVERIFY(isOpen(fd));
    int other = -1;
    int reused = -1;
    {
        FileDescriptor owner(fd);
        if (ending == "reset") {
            owner.reset();
            QVERIFY(!owner.isValid());
        } else if (ending == "reset to another") {
            other = openNull();
            owner.reset(other);
            QCOMPARE(owner.get(), other);
            QVERIFY(!isOpen(fd));
        } else if (ending == "close") {
            QVERIFY(owner.close());
            QVERIFY(!owner.close());
        } else if (ending == "move construct") {
            FileDescriptor next(std::move(owner));
            QCOMPARE(next.get(), fd);
            QVERIFY(!owner.isValid()); // NOLINT(bugprone-use-after-move): a moved-from owner is empty
        } else if (ending == "move assign") {
            FileDescriptor next(openNull());
            other = next.get();
            next = std::move(owner);
            QVERIFY(!isOpen(other));
            QCOMPARE(next.get(), fd);
        } else if (ending == "assigned over") {
            other = openNull();
            owner = FileDescriptor(other);
            QVERIFY(!isOpen(fd));
        }
        QCOMPARE(isOpen(fd), ending == "scope");
        // The system hands out the lowest free number: a descriptor opened now most likely reuses one
        // just closed, and an owner that closed twice would take it from its new owner.
        reused = openNull();
    }
    QVERIFY(!isOpen(fd) || fd == reused);
    QVERIFY(!isOpen(other) || other == reused);
    QVERIFY(isOpen(reused));
    ::close(reused);
}

void TestFileDescriptor::releasedDescriptorStaysOpen()
{
    const int fd = openNull();
    {
        FileDescriptor owner(fd);
        QCOMPARE(owner.release(), fd);
        QVERIFY(!owner.isValid());
    }
    QVERIFY(isOpen(fd));
    ::close(fd);
}

void TestFileDescriptor::failedOpenOwnsNothing()
{
    FileDescriptor failed(::open("/nonexistent/folder/file", O_RDONLY | O_CLOEXEC));
    QVERIFY(!failed.isValid());
    QCOMPARE(failed.get(), -1);
    QVERIFY(!failed.close());
}

QTEST_GUILESS_MAIN(TestFileDescriptor)
#include "TestFileDescriptor.moc"
