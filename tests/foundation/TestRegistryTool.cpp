#include "foundation/RegistryTool.h"

#include "support/TestHome.h"
#include "support/TestMain.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

/** The per-user language store, kept in a temporary home. */
class TestRegistryTool final : public QObject
{
    Q_OBJECT

public:
    explicit TestRegistryTool(QString home)
        : m_home(std::move(home))
    {
    }

private slots:
    void firstStartIsEnglishAndWritesNothing();
    void storedCodeRoundTrips();
    void unknownCodeIsKeptAsStored();

private:
    QString storeFile() const { return m_home + QStringLiteral("/.config/Vantorel/Vantorel Kompresto.conf"); }
    // Read from the bytes: opening another QSettings on the file would flush the store's pending value first.
    int storedOnDisk() const
    {
        QFile file(storeFile());
        if (!file.open(QIODevice::ReadOnly)) {
            return -1;
        }
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("(^|\\n)language=(-?\\d+)\\n"))
                                                  .match(QString::fromUtf8(file.readAll()));
        return match.hasMatch() ? match.captured(2).toInt() : -1;
    }

    QString m_home;
};

void TestRegistryTool::firstStartIsEnglishAndWritesNothing()
{
    QCOMPARE(RegistryTool::instance()->language(), 1);
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Vantorel"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vantorel Kompresto"));
    QCOMPARE(RegistryTool::instance()->fileName(), storeFile());
    QVERIFY(!QFileInfo::exists(storeFile()));
}

void TestRegistryTool::storedCodeRoundTrips()
{
    RegistryTool::instance()->setLanguage(7);

    // Written out at once: another reader of the file sees it before this process ends.
    QCOMPARE(storedOnDisk(), 7);
    QCOMPARE(RegistryTool::instance()->language(), 7);

    RegistryTool::instance()->setLanguage(2);
    QCOMPARE(storedOnDisk(), 2);
    QCOMPARE(RegistryTool::instance()->language(), 2);
}

void TestRegistryTool::unknownCodeIsKeptAsStored()
{
    RegistryTool::instance()->setLanguage(9);
    QCOMPARE(RegistryTool::instance()->language(), 9);
}

// Qt fixes the per-user settings folder when the first store opens, so the temporary home must be
// in place before the application object exists.
int main(int argc, char* argv[]) { return runTestWithPrivateHome<QCoreApplication, TestRegistryTool>(argc, argv); }

#include "TestRegistryTool.moc"
