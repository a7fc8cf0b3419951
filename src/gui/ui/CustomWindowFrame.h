#pragma once

#include <QMainWindow>
#include <memory>

namespace Ui {
    class CustomWindowFrame;
}
class QAction;
class QMenu;

/**
 * The application's only top-level window: frameless and translucent, with a drop shadow, its own
 * title bar (icon, product name, menu, minimise and close buttons) and one content widget below it.
 * It is moved by its title bar, resized by its edges (the left and right ones only when its width
 * may change), and switched between a tall and a normal height by a double-click on the title bar.
 */
class CustomWindowFrame final : public QMainWindow
{
    Q_OBJECT

public:
    /** The numbers the application menu's actions carry as their data. */
    enum MenuAction
    {
        UserGuide = 1,
        FeedbackAndSupport = 3,
        About = 4,
        CheckForUpdates = 5,
        ShowLog = 6,
    };

    /** The edge under the cursor that a left press would drag. */
    enum ResizeEdge
    {
        NoEdge = 0,
        TopEdge = 1,
        BottomEdge = 2,
        LeftEdge = 3,
        RightEdge = 4,
    };

    static constexpr int normalHeight = 590;
    /** The width the window starts with, and the narrowest it may become. */
    static constexpr int frameWidth = 500;

    /** Hosts content (may be null); parent is null for the application window. */
    explicit CustomWindowFrame(QWidget* content, QWidget* parent = nullptr);
    ~CustomWindowFrame() override;

    int resizeEdge() const { return m_resizeEdge; }
    bool isMaximised() const { return m_maximised; }

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    QAction* addMenuAction(int number);
    void checkLanguageAction(QAction* action);
    void onMenuAction(QAction* action);
    void onLanguageAction(QAction* action);
    void retranslateFrame();
    void refreshTitle();
    void toggleMaximised();
    void updateResizeCursor(const QPoint& globalCursor);
    ResizeEdge edgeAt(const QPoint& globalCursor) const;
    void resizeTowards(const QPoint& globalCursor);
    bool inTitleRegion(const QPoint& position) const;

    int m_resizeEdge = NoEdge;
    bool m_maximised = false;
    const std::unique_ptr<Ui::CustomWindowFrame> m_ui;
    bool m_dragging = false;
    bool m_resizing = false;
    QPoint m_dragOrigin;

    QMenu* m_menu = nullptr; // child of the frame
    QMenu* m_languageMenu = nullptr; // child of the frame
    QAction* m_actionLanguage = nullptr;
    QAction* m_actionUserGuide = nullptr;
    QAction* m_actionSupport = nullptr;
    QAction* m_actionShowLog = nullptr;
    QAction* m_actionCheckUpdates = nullptr;
    QAction* m_actionAbout = nullptr;
};
