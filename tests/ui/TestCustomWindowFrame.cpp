#include "foundation/LanguageCode.h"
#include "foundation/RegistryTool.h"
#include "foundation/SettingsStore.h"
#include "services/BLUpdatesService.h"
#include "services/MultiLanguage.h"
#include "support/TestHome.h"
#include "support/TestMain.h"
#include "support/UrlRecorder.h"
#include "ui/CustomWindowFrame.h"
#include "ui/FramePlacement.h"
#include "ui/ModalDialogs.h"
#include "ui/QAbout.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGraphicsDropShadowEffect>
#include <QHoverEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

/** The frameless window: its menu, language choice, dragging, resizing and tall mode. */
class TestCustomWindowFrame final : public QObject
{
    Q_OBJECT

public:
    explicit TestCustomWindowFrame(QString home)
        : m_home(std::move(home))
    {
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void hostsItsContent();
    void menuOrderAndNumbers();
    void languageMenuEntries();
    void storedLanguageIsChecked_data();
    void storedLanguageIsChecked();
    void choosingALanguage_data();
    void choosingALanguage();
    void choosingTheCheckedLanguageAgain();
    void webPagesAndLogFolder_data();
    void webPagesAndLogFolder();
    void aboutRunsModallyAndGoes();
    void checkForUpdatesReachesTheService();
    void hoverCursor_data();
    void hoverCursor();
    void hoverDuringResizeChangesNothing();
    void dragMovesByTheCursor();
    void resizeAtTopKeepsBottom();
    void resizeAtBottomKeepsTop();
    void resizeAtTheSidesWhenTheWidthMayChange_data();
    void resizeAtTheSidesWhenTheWidthMayChange();
    void doubleClickTogglesTallMode();
    void closeButtonCloses();

private:
    QMenu* menuOf(CustomWindowFrame& frame) const;
    QAction* languageAction(CustomWindowFrame& frame, const QString& name) const;
    QStringList checkedLanguages(CustomWindowFrame& frame) const;
    void hover(CustomWindowFrame& frame, const QPoint& global) const;
    void mouse(CustomWindowFrame& frame, QEvent::Type type, const QPoint& global) const;

    QString m_home;
    UrlRecorder m_desktop;
    std::unique_ptr<CustomWindowFrame> m_frame;
};

void TestCustomWindowFrame::initTestCase() { }

void TestCustomWindowFrame::init()
{
    RegistryTool::instance()->setLanguage(English);
    MultiLanguage::instance()->setLanguage(English);
    m_desktop.opened.clear();
    m_frame = std::make_unique<CustomWindowFrame>(nullptr, nullptr);
    m_frame->setFixedWidth(500);
    m_frame->setGeometry(100, 100, 500, 600);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
}

void TestCustomWindowFrame::cleanup()
{
    m_frame.reset();
    ModalDialogs::resetAnswers();
}

QMenu* TestCustomWindowFrame::menuOf(CustomWindowFrame& frame) const
{
    return frame.findChild<QPushButton*>(QStringLiteral("btn_menu"))->menu();
}

QAction* TestCustomWindowFrame::languageAction(CustomWindowFrame& frame, const QString& name) const
{
    for (QAction* action : menuOf(frame)->actions().first()->menu()->actions()) {
        if (action->text() == name) {
            return action;
        }
    }
    return nullptr;
}

QStringList TestCustomWindowFrame::checkedLanguages(CustomWindowFrame& frame) const
{
    QStringList checked;
    for (QAction* action : menuOf(frame)->actions().first()->menu()->actions()) {
        if (action->isChecked()) {
            checked << action->text();
        }
    }
    return checked;
}

void TestCustomWindowFrame::hover(CustomWindowFrame& frame, const QPoint& global) const
{
    const QPoint local = frame.mapFromGlobal(global);
    QHoverEvent event(QEvent::HoverMove, local, local);
    QApplication::sendEvent(&frame, &event);
}

void TestCustomWindowFrame::mouse(CustomWindowFrame& frame, QEvent::Type type, const QPoint& global) const
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, frame.mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&frame, &event);
}

void TestCustomWindowFrame::hostsItsContent()
{
    auto* content = new QLabel(QStringLiteral("content"));
    CustomWindowFrame frame(content, nullptr);

    QCOMPARE(content->parentWidget(), frame.findChild<QWidget*>(QStringLiteral("mainWidget")));
    QCOMPARE(frame.windowFlags(), Qt::Window | Qt::FramelessWindowHint);
    QVERIFY(frame.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(frame.testAttribute(Qt::WA_NoSystemBackground));
    const auto* shadow = qobject_cast<QGraphicsDropShadowEffect*>(
        frame.findChild<QWidget*>(QStringLiteral("frame_backgrond"))->graphicsEffect());
    QVERIFY(shadow);
    QCOMPARE(shadow->offset(), QPointF(0, 0));
    QCOMPARE(shadow->blurRadius(), 8.0);
    QCOMPARE(shadow->color(), QColor(100, 100, 100, 140));
    QCOMPARE(frame.findChild<QLabel*>(QStringLiteral("label_title"))->text(), QStringLiteral("Vantorel Kompresto"));
    QCOMPARE(frame.windowTitle(), QStringLiteral("Vantorel Kompresto"));
    QCOMPARE(frame.findChild<QWidget*>(QStringLiteral("frame_title"))->height(), 31);
}

void TestCustomWindowFrame::menuOrderAndNumbers()
{
    QStringList texts;
    QList<QVariant> numbers;
    for (QAction* action : menuOf(*m_frame)->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        numbers << action->data();
    }

    QCOMPARE(texts,
        (QStringList {
            "Language", "-", "User Guide", "Feedback and Support", "Show Log Folder", "Check for Updates", "About" }));
    QCOMPARE(numbers, (QList<QVariant> { QVariant(), QVariant(), 1, 3, 6, 5, 4 }));
    QVERIFY(menuOf(*m_frame)->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(menuOf(*m_frame)->parent(), m_frame.get());
}

void TestCustomWindowFrame::languageMenuEntries()
{
    QMenu* languages = menuOf(*m_frame)->actions().first()->menu();
    QVERIFY(languages);
    QStringList names;
    QList<int> codes;
    for (QAction* action : languages->actions()) {
        names << action->text();
        codes << action->data().toInt();
        QVERIFY(action->isCheckable());
        QCOMPARE(action->parent(), languages);
    }
    QCOMPARE(names, (QStringList { "Deutsch", "English", "Español", "Français", "Italiano", "Português", "日本語" }));
    QCOMPARE(codes, (QList<int> { 5, 1, 6, 2, 4, 3, 7 }));
}

void TestCustomWindowFrame::storedLanguageIsChecked_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QStringList>("checked");
    QTest::newRow("nothing stored") << QVariant() << QStringList { "English" };
    QTest::newRow("7") << QVariant(7) << QStringList { "日本語" };
    QTest::newRow("5") << QVariant(5) << QStringList { "Deutsch" };
    QTest::newRow("9") << QVariant(9) << QStringList();
}

void TestCustomWindowFrame::storedLanguageIsChecked()
{
    QFETCH(QVariant, stored);
    QFETCH(QStringList, checked);
    if (stored.isValid()) {
        RegistryTool::instance()->setLanguage(stored.toInt());
    } else {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Vantorel", "Vantorel Kompresto");
        store.remove(QStringLiteral("language"));
        store.sync();
    }

    CustomWindowFrame frame(nullptr, nullptr);

    QCOMPARE(checkedLanguages(frame), checked);
}

void TestCustomWindowFrame::choosingALanguage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("userGuide");
    QTest::newRow("Deutsch") << "Deutsch" << 5 << "Benutzerhandbuch";
    QTest::newRow("Español") << "Español" << 6 << "Guía del usuario";
    QTest::newRow("Français") << "Français" << 2 << "Guide de l'utilisateur";
    QTest::newRow("Italiano") << "Italiano" << 4 << "Guida utente";
    QTest::newRow("Português") << "Português" << 3 << "Guia do utilizador";
    QTest::newRow("日本語") << "日本語" << 7 << "ユーザーガイド";
    QTest::newRow("English") << "English" << 1 << "User Guide";
}

void TestCustomWindowFrame::choosingALanguage()
{
    QFETCH(QString, name);
    QFETCH(int, code);
    QFETCH(QString, userGuide);
    // Start from another language, so that English too is a change.
    languageAction(*m_frame, QStringLiteral("Italiano"))->trigger();
    QSignalSpy changed(MultiLanguage::instance(), &MultiLanguage::languageChanged);

    languageAction(*m_frame, name)->trigger();

    QCOMPARE(changed.count(), 1);
    QCOMPARE(checkedLanguages(*m_frame), QStringList { name });
    QCOMPARE(RegistryTool::instance()->language(), code);
    QCOMPARE(menuOf(*m_frame)->actions().at(2)->text(), userGuide);
    QCOMPARE(m_frame->findChild<QLabel*>(QStringLiteral("label_title"))->text(), QStringLiteral("Vantorel Kompresto"));
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Vantorel Kompresto"));
    // The language names are never translated.
    QVERIFY(languageAction(*m_frame, QStringLiteral("Deutsch")));
    QVERIFY(languageAction(*m_frame, QStringLiteral("日本語")));
}

void TestCustomWindowFrame::choosingTheCheckedLanguageAgain()
{
    QAction* french = languageAction(*m_frame, QStringLiteral("Français"));
    french->trigger();
    RegistryTool::instance()->setLanguage(English);
    QSignalSpy changed(MultiLanguage::instance(), &MultiLanguage::languageChanged);

    french->trigger();

    QCOMPARE(checkedLanguages(*m_frame), QStringList { "Français" });
    QCOMPARE(changed.count(), 1);
    QCOMPARE(RegistryTool::instance()->language(), 2);
}

void TestCustomWindowFrame::webPagesAndLogFolder_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QUrl>("address");
    QTest::newRow("User Guide") << 2 << QUrl("https://www.vantorel.com/vantorel-kompresto-user-guide.html");
    QTest::newRow("Feedback and Support") << 3 << QUrl("https://www.vantorel.com/support.html");
    QTest::newRow("Show Log Folder") << 4
                                     << QUrl::fromLocalFile(
                                            m_home + QStringLiteral("/AppData/Roaming/Vantorel/Kompresto/Log/"));
}

void TestCustomWindowFrame::webPagesAndLogFolder()
{
    QFETCH(int, position);
    QFETCH(QUrl, address);

    menuOf(*m_frame)->actions().at(position)->trigger();

    QCOMPARE(m_desktop.opened, QList<QUrl> { address });
}

void TestCustomWindowFrame::aboutRunsModallyAndGoes()
{
    QPointer<QDialog> shown;
    ModalDialogs::setExecAnswer([&shown](QDialog* dialog) {
        shown = dialog;
        dialog->reject(); // as if the user closed it
        return int(QDialog::Rejected);
    });
    QTest::ignoreMessage(QtDebugMsg, "~QAbout");

    menuOf(*m_frame)->actions().at(6)->trigger();

    QVERIFY(qobject_cast<QAbout*>(shown.data()));
    QCOMPARE(shown->parentWidget(), m_frame.get());
    QTRY_VERIFY(shown.isNull());
}

void TestCustomWindowFrame::checkForUpdatesReachesTheService()
{
    // A server that never answers keeps the check under way; the window must not wait for it.
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const auto service = Brimlake::BLUpdatesService::shared();
    service->setFeedAddress(QUrl(QStringLiteral("http://127.0.0.1:%1/feed.json").arg(server.serverPort())));
    service->setTimeout(200);
    QVector<Brimlake::BLUpdateNotice::Kind> notices;
    service->setPresenter([&notices](const Brimlake::BLUpdateNotice& notice) { notices.append(notice.kind); });

    menuOf(*m_frame)->actions().at(5)->trigger();

    QVERIFY(service->isChecking());
    QTRY_COMPARE(notices, QVector<Brimlake::BLUpdateNotice::Kind> { Brimlake::BLUpdateNotice::NetworkError });
    service->setPresenter({});
}

void TestCustomWindowFrame::hoverCursor_data()
{
    // The frame spans y 100..699 (Qt's inclusive bottom) and x 100..599.
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<int>("edge");
    QTest::addColumn<int>("shape");
    QTest::newRow("on the top edge") << QPoint(300, 100) << 1 << int(Qt::SizeVerCursor);
    QTest::newRow("3 below the top") << QPoint(300, 103) << 1 << int(Qt::SizeVerCursor);
    QTest::newRow("4 below the top") << QPoint(300, 104) << 0 << int(Qt::ArrowCursor);
    QTest::newRow("on the bottom edge") << QPoint(300, 699) << 2 << int(Qt::SizeVerCursor);
    QTest::newRow("3 above the bottom") << QPoint(300, 696) << 2 << int(Qt::SizeVerCursor);
    QTest::newRow("4 above the bottom") << QPoint(300, 695) << 0 << int(Qt::ArrowCursor);
    QTest::newRow("left edge, middle") << QPoint(100, 400) << 0 << int(Qt::ArrowCursor);
    QTest::newRow("right edge, middle") << QPoint(599, 400) << 0 << int(Qt::ArrowCursor);
}

void TestCustomWindowFrame::hoverCursor()
{
    QFETCH(QPoint, cursor);
    QFETCH(int, edge);
    QFETCH(int, shape);
    QCOMPARE(m_frame->geometry(), QRect(100, 100, 500, 600));

    hover(*m_frame, cursor);

    QCOMPARE(m_frame->resizeEdge(), edge);
    QCOMPARE(int(m_frame->cursor().shape()), shape);
}

void TestCustomWindowFrame::hoverDuringResizeChangesNothing()
{
    hover(*m_frame, QPoint(300, 101));
    mouse(*m_frame, QEvent::MouseButtonPress, QPoint(300, 101));

    hover(*m_frame, QPoint(300, 400));

    QCOMPARE(m_frame->resizeEdge(), 1);
    QCOMPARE(m_frame->cursor().shape(), Qt::SizeVerCursor);
    mouse(*m_frame, QEvent::MouseButtonRelease, QPoint(300, 101));
}

void TestCustomWindowFrame::dragMovesByTheCursor()
{
    const QPoint start = m_frame->pos();
    hover(*m_frame, QPoint(300, 115));
    mouse(*m_frame, QEvent::MouseButtonPress, QPoint(300, 115));

    mouse(*m_frame, QEvent::MouseMove, QPoint(337, 94));
    QCOMPARE(m_frame->pos(), start + QPoint(37, -21));
    mouse(*m_frame, QEvent::MouseMove, QPoint(312, 140));
    QCOMPARE(m_frame->pos(), start + QPoint(12, 25));
    QCOMPARE(m_frame->size(), QSize(500, 600));

    mouse(*m_frame, QEvent::MouseButtonRelease, QPoint(312, 140));
    mouse(*m_frame, QEvent::MouseMove, QPoint(400, 300));
    QCOMPARE(m_frame->pos(), start + QPoint(12, 25));
}

void TestCustomWindowFrame::resizeAtTopKeepsBottom()
{
    // The top edge lies inside the title region: the press starts a resize, not a drag.
    hover(*m_frame, QPoint(300, 101));
    mouse(*m_frame, QEvent::MouseButtonPress, QPoint(300, 101));

    mouse(*m_frame, QEvent::MouseMove, QPoint(320, 60));

    QCOMPARE(m_frame->geometry(), QRect(QPoint(100, 60), QPoint(599, 699)));
    mouse(*m_frame, QEvent::MouseMove, QPoint(320, 150));
    QCOMPARE(m_frame->geometry(), QRect(QPoint(100, 150), QPoint(599, 699)));
    mouse(*m_frame, QEvent::MouseButtonRelease, QPoint(320, 150));
}

void TestCustomWindowFrame::resizeAtBottomKeepsTop()
{
    hover(*m_frame, QPoint(300, 698));
    mouse(*m_frame, QEvent::MouseButtonPress, QPoint(300, 698));

    mouse(*m_frame, QEvent::MouseMove, QPoint(300, 650));

    QCOMPARE(m_frame->geometry(), QRect(QPoint(100, 100), QPoint(599, 650)));
    mouse(*m_frame, QEvent::MouseButtonRelease, QPoint(300, 650));
}

void TestCustomWindowFrame::resizeAtTheSidesWhenTheWidthMayChange_data()
{
    QTest::addColumn<QPoint>("grip");
    QTest::addColumn<QPoint>("movedTo");
    QTest::addColumn<QRect>("geometry");

    // The frame is 500 wide at x = 100; it may grow to 900 and never shrinks below 500.
    QTest::newRow("left edge out") << QPoint(101, 400) << QPoint(-50, 380) << QRect(QPoint(-50, 100), QPoint(599, 699));
    QTest::newRow("left edge in, stops at the narrowest")
        << QPoint(100, 400) << QPoint(250, 400) << QRect(QPoint(100, 100), QPoint(599, 699));
    QTest::newRow("right edge out") << QPoint(598, 400) << QPoint(800, 420)
                                    << QRect(QPoint(100, 100), QPoint(800, 699));
    QTest::newRow("right edge out, stops at the widest")
        << QPoint(599, 400) << QPoint(1500, 400) << QRect(QPoint(100, 100), QPoint(999, 699));
}

void TestCustomWindowFrame::resizeAtTheSidesWhenTheWidthMayChange()
{
    QFETCH(QPoint, grip);
    QFETCH(QPoint, movedTo);
    QFETCH(QRect, geometry);
    m_frame->setMinimumWidth(500);
    m_frame->setMaximumWidth(900);

    hover(*m_frame, grip);
    QCOMPARE(m_frame->cursor().shape(), Qt::SizeHorCursor);
    mouse(*m_frame, QEvent::MouseButtonPress, grip);
    mouse(*m_frame, QEvent::MouseMove, movedTo);
    QCOMPARE(m_frame->geometry(), geometry);
    mouse(*m_frame, QEvent::MouseButtonRelease, movedTo);

    // The width is the user's: it is kept for the next start, and tall mode leaves it alone.
    QCOMPARE(SettingsStore::instance()->windowWidth(), geometry.width());
    mouse(*m_frame, QEvent::MouseButtonDblClick, m_frame->mapToGlobal(QPoint(200, 15)));
    QCOMPARE(m_frame->width(), geometry.width());
}

void TestCustomWindowFrame::doubleClickTogglesTallMode()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    hover(*m_frame, QPoint(300, 115));

    mouse(*m_frame, QEvent::MouseButtonDblClick, QPoint(300, 115));
    QVERIFY(m_frame->isMaximised());
    QCOMPARE(m_frame->geometry(), QRect(100, 0, 500, available.height()));

    mouse(*m_frame, QEvent::MouseButtonDblClick, m_frame->mapToGlobal(QPoint(200, 15)));
    QVERIFY(!m_frame->isMaximised());
    // A quarter down unless that would leave the bottom off the screen, as on this short screen.
    QCOMPARE(m_frame->geometry(), QRect(100, FramePlacement::normalTop(available, 590), 500, 590));
    QVERIFY(available.contains(m_frame->geometry()));

    // Below the title bar a double-click does nothing.
    mouse(*m_frame, QEvent::MouseButtonDblClick, m_frame->mapToGlobal(QPoint(200, 300)));
    QVERIFY(!m_frame->isMaximised());
    QCOMPARE(m_frame->height(), 590);
}

void TestCustomWindowFrame::closeButtonCloses()
{
    QTest::mouseClick(m_frame->findChild<QPushButton*>(QStringLiteral("btn_close")), Qt::LeftButton);
    QVERIFY(!m_frame->isVisible());
}

// Qt fixes the per-user settings folder when the first store opens, so the temporary home must be
// in place before the application object exists.
int main(int argc, char* argv[]) { return runTestWithPrivateHome<QApplication, TestCustomWindowFrame>(argc, argv); }

#include "TestCustomWindowFrame.moc"
