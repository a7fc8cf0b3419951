#include "ui/CustomWindowFrame.h"
#include "ui_CustomWindowFrame.h"

#include "ui/FramePlacement.h"

#include "foundation/LanguageCode.h"
#include "foundation/ProductConstants.h"
#include "foundation/RegistryTool.h"
#include "foundation/SettingsStore.h"
#include "services/MultiLanguage.h"
#include "services/QNetWorkProcess.h"
#include "ui/ModalDialogs.h"
#include "ui/QAbout.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QHoverEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QUrl>

namespace {
    // The language menu lists the languages by their own names, alphabetically.
    const LanguageCode languageMenuOrder[] = { German, English, Spanish, French, Italian, Portuguese, Japanese };

    // A cursor closer than this to the top or bottom edge grabs that edge.
    constexpr int edgeGrip = 4;
} // namespace

CustomWindowFrame::CustomWindowFrame(QWidget* content, QWidget* parent)
    : QMainWindow(parent)
    , m_ui(new Ui::CustomWindowFrame())
{
    m_ui->setupUi(this);
    if (content) {
        m_ui->gridLayout_2->addWidget(content);
    }

    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_Hover);
    auto* shadow = new QGraphicsDropShadowEffect(m_ui->frame_backgrond);
    shadow->setOffset(0, 0);
    shadow->setBlurRadius(8);
    shadow->setColor(QColor(100, 100, 100, 140));
    m_ui->frame_backgrond->setGraphicsEffect(shadow);

    buildMenu();

    for (QAction* action :
        { m_actionUserGuide, m_actionSupport, m_actionShowLog, m_actionCheckUpdates, m_actionAbout }) {
        connect(action, &QAction::triggered, this, [this, action] { onMenuAction(action); });
    }
    connect(m_ui->btn_minimize, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(m_ui->btn_close, &QPushButton::clicked, this, &QWidget::close);
    connect(MultiLanguage::instance(), &MultiLanguage::languageChanged, this, &CustomWindowFrame::retranslateFrame);
    // Builds the service bridge on first use, so the product services are ready before the window shows.
    QNetWorkProcess::instance();

    m_ui->label_icon->setPixmap(QPixmap(QStringLiteral(":/resource/vantorel.ico")));
    refreshTitle();
}

CustomWindowFrame::~CustomWindowFrame() = default;

QAction* CustomWindowFrame::addMenuAction(int number)
{
    auto* action = new QAction(this);
    action->setData(number);
    return action;
}

void CustomWindowFrame::buildMenu()
{
    m_menu = new QMenu(this);
    m_menu->setWindowFlags(m_menu->windowFlags() | Qt::FramelessWindowHint);

    m_actionLanguage = new QAction(this);
    m_actionUserGuide = addMenuAction(UserGuide);
    m_actionSupport = addMenuAction(FeedbackAndSupport);
    m_actionShowLog = addMenuAction(ShowLog);
    m_actionCheckUpdates = addMenuAction(CheckForUpdates);
    m_actionAbout = addMenuAction(About);
    m_menu->addAction(m_actionLanguage);
    m_menu->addSeparator();
    m_menu->addActions({ m_actionUserGuide, m_actionSupport, m_actionShowLog, m_actionCheckUpdates, m_actionAbout });
    m_ui->btn_menu->setMenu(m_menu);

    m_languageMenu = new QMenu(this);
    for (LanguageCode code : languageMenuOrder) {
        auto* action = new QAction(languageEntry(code).nativeName, m_languageMenu);
        action->setData(int(code));
        action->setCheckable(true);
        m_languageMenu->addAction(action);
        connect(action, &QAction::triggered, this, [this, action] { onLanguageAction(action); });
    }
    m_actionLanguage->setMenu(m_languageMenu);

    const int stored = RegistryTool::instance()->language();
    for (QAction* action : m_languageMenu->actions()) {
        if (action->data().toInt() == stored) {
            checkLanguageAction(action);
        }
    }
    retranslateFrame();
}

void CustomWindowFrame::checkLanguageAction(QAction* action)
{
    // The entries form no exclusive group; this is what keeps exactly one of them checked.
    for (QAction* entry : m_actionLanguage->menu()->actions()) {
        entry->setChecked(false);
    }
    action->setChecked(true);
}

void CustomWindowFrame::onMenuAction(QAction* action)
{
    switch (action->data().toInt()) {
    case UserGuide:
        QDesktopServices::openUrl(QUrl(Product::userGuidePage));
        break;
    case FeedbackAndSupport:
        QDesktopServices::openUrl(QUrl(Product::supportPage));
        break;
    case About:
        ModalDialogs::exec(new QAbout(this));
        break;
    case CheckForUpdates:
        QNetWorkProcess::instance()->checkForUpdates();
        break;
    case ShowLog:
        QDesktopServices::openUrl(QUrl::fromLocalFile(Product::logFolder()));
        break;
    default:
        break;
    }
}

void CustomWindowFrame::onLanguageAction(QAction* action)
{
    checkLanguageAction(action);
    const int code = action->data().toInt();
    // Applied at once, then remembered for the next start.
    MultiLanguage::instance()->setLanguage(code);
    RegistryTool::instance()->setLanguage(code);
}

void CustomWindowFrame::retranslateFrame()
{
    m_ui->retranslateUi(this);
    // The buttons show pictures only: screen readers and tooltips get their names.
    const std::initializer_list<std::pair<QPushButton*, QString>> named { { m_ui->btn_menu, tr("Menu") },
        { m_ui->btn_minimize, tr("Minimize") }, { m_ui->btn_close, tr("Close") } };
    for (const auto& [button, name] : named) {
        button->setAccessibleName(name);
        button->setToolTip(name);
    }
    m_actionUserGuide->setText(tr("User Guide"));
    m_actionSupport->setText(tr("Feedback and Support"));
    m_actionCheckUpdates->setText(tr("Check for Updates"));
    m_actionAbout->setText(tr("About"));
    m_actionLanguage->setText(tr("Language"));
    m_actionShowLog->setText(tr("Show Log Folder"));
    refreshTitle();
    update();
}

void CustomWindowFrame::refreshTitle()
{
    m_ui->label_title->setText(Product::displayName);
    setWindowTitle(m_ui->label_title->text());
}

bool CustomWindowFrame::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        updateResizeCursor(mapToGlobal(static_cast<QHoverEvent*>(event)->pos()));
        break;
    case QEvent::HoverLeave:
        updateResizeCursor(QCursor::pos());
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void CustomWindowFrame::updateResizeCursor(const QPoint& globalCursor)
{
    if (m_resizing || isMaximized()) {
        return;
    }
    m_resizeEdge = edgeAt(globalCursor);
    switch (m_resizeEdge) {
    case TopEdge:
    case BottomEdge:
        setCursor(Qt::SizeVerCursor);
        break;
    case LeftEdge:
    case RightEdge:
        setCursor(Qt::SizeHorCursor);
        break;
    default:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

CustomWindowFrame::ResizeEdge CustomWindowFrame::edgeAt(const QPoint& globalCursor) const
{
    const QRect frame = geometry();
    // The top and bottom edges win in the corners: the height is what people change most.
    if (qAbs(globalCursor.y() - frame.top()) < edgeGrip) {
        return TopEdge;
    }
    if (qAbs(globalCursor.y() - frame.bottom()) < edgeGrip) {
        return BottomEdge;
    }
    if (minimumWidth() == maximumWidth()) {
        return NoEdge;
    }
    if (qAbs(globalCursor.x() - frame.left()) < edgeGrip) {
        return LeftEdge;
    }
    if (qAbs(globalCursor.x() - frame.right()) < edgeGrip) {
        return RightEdge;
    }
    return NoEdge;
}

bool CustomWindowFrame::inTitleRegion(const QPoint& position) const
{
    return QRect(QPoint(0, 0), m_ui->frame_title->size()).contains(position);
}

void CustomWindowFrame::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (inTitleRegion(event->pos()) && m_resizeEdge == NoEdge) {
            m_dragOrigin = event->globalPos();
            m_dragging = true;
        } else if (m_resizeEdge != NoEdge) {
            m_resizing = true;
        }
    }
    event->ignore();
}

void CustomWindowFrame::mouseMoveEvent(QMouseEvent* event)
{
    event->ignore();
    if (m_dragging) {
        move(pos() + (event->globalPos() - m_dragOrigin));
        m_dragOrigin = event->globalPos();
    } else if (m_resizing) {
        resizeTowards(event->globalPos());
    }
}

void CustomWindowFrame::resizeTowards(const QPoint& globalCursor)
{
    // The edge held follows the cursor; the opposite one stays put, even at the smallest size.
    QRect frame = geometry();
    switch (m_resizeEdge) {
    case TopEdge:
        if (minimumHeight() != maximumHeight()) {
            frame.setTop(globalCursor.y());
        }
        break;
    case BottomEdge:
        if (minimumHeight() != maximumHeight()) {
            frame.setBottom(globalCursor.y());
        }
        break;
    case LeftEdge:
        frame.setLeft(qBound(frame.right() + 1 - maximumWidth(), globalCursor.x(), frame.right() + 1 - minimumWidth()));
        break;
    case RightEdge:
        frame.setRight(qBound(frame.left() - 1 + minimumWidth(), globalCursor.x(), frame.left() - 1 + maximumWidth()));
        break;
    default:
        return;
    }
    setGeometry(frame);
}

void CustomWindowFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (m_resizing && (m_resizeEdge == LeftEdge || m_resizeEdge == RightEdge)) {
            SettingsStore::instance()->setWindowWidth(width());
        }
        m_dragging = false;
        m_resizing = false;
    }
    event->ignore();
}

void CustomWindowFrame::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && inTitleRegion(event->pos())) {
        toggleMaximised();
    }
    QMainWindow::mouseDoubleClickEvent(event);
}

void CustomWindowFrame::toggleMaximised()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    if (m_maximised) {
        resize(width(), normalHeight);
        move(x(), FramePlacement::normalTop(available, height()));
        m_maximised = false;
    } else {
        resize(width(), available.height());
        move(x(), available.top());
        m_maximised = true;
    }
}

void CustomWindowFrame::closeEvent(QCloseEvent* event)
{
    // The content has the last word: a window in the middle of its work asks before it goes.
    QLayoutItem* hosted = m_ui->gridLayout_2->count() > 0 ? m_ui->gridLayout_2->itemAt(0) : nullptr;
    if (hosted != nullptr && hosted->widget() != nullptr) {
        QCloseEvent contentClose;
        QCoreApplication::sendEvent(hosted->widget(), &contentClose);
        if (!contentClose.isAccepted()) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}
