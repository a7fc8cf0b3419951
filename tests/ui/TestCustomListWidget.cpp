#include "ui/CustomListWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

namespace {
    constexpr int rowHeight = 72;

    QPoint rowCentre(const QListWidget& list, int row) { return list.visualItemRect(list.item(row)).center(); }

    void sendMouse(QWidget* viewport, QEvent::Type type, const QPoint& position, Qt::MouseButtons buttons,
        Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, position, viewport->mapToGlobal(position), button, buttons, modifiers);
        QApplication::sendEvent(viewport, &event);
    }

    QList<int> selectedRows(const QListWidget& list)
    {
        QList<int> rows;
        for (const QModelIndex& index : list.selectionModel()->selectedRows()) {
            rows << index.row();
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }
} // namespace

class TestCustomListWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void takesNoDropsAndStartsNoDrags();
    void pressBelowLastRowClearsCurrentRow();
    void pressOnRowSelectsIt();
    void draggingWithButtonHeldSelectsNothingMore();
    void ctrlAndShiftExtendTheSelection();

private:
    std::unique_ptr<CustomListWidget> m_list;
};

void TestCustomListWidget::init()
{
    // As the main window sets it up: extended selection, rows 72 high, room below the last one.
    m_list = std::make_unique<CustomListWidget>();
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->resize(400, 5 * rowHeight);
    for (int row = 0; row < 3; ++row) {
        auto* item = new QListWidgetItem(QStringLiteral("document %1.pdf").arg(row), m_list.get());
        item->setSizeHint(QSize(380, rowHeight));
    }
    m_list->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
}

void TestCustomListWidget::cleanup() { m_list.reset(); }

void TestCustomListWidget::takesNoDropsAndStartsNoDrags()
{
    QVERIFY(!m_list->acceptDrops());
    QVERIFY(!m_list->viewport()->acceptDrops());
    QVERIFY(!m_list->dragEnabled());
    QCOMPARE(m_list->dragDropMode(), QAbstractItemView::NoDragDrop);
}

void TestCustomListWidget::pressBelowLastRowClearsCurrentRow()
{
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(*m_list, 1));
    QCOMPARE(m_list->currentRow(), 1);

    QTest::mousePress(m_list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 4 * rowHeight + 10));
    QCOMPARE(m_list->currentRow(), -1);
    QCOMPARE(selectedRows(*m_list), QList<int>());
    QTest::mouseRelease(m_list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 4 * rowHeight + 10));
    QCOMPARE(m_list->currentRow(), -1);
}

void TestCustomListWidget::pressOnRowSelectsIt()
{
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(*m_list, 2));
    QCOMPARE(m_list->currentRow(), 2);
    QCOMPARE(selectedRows(*m_list), QList<int> { 2 });
}

void TestCustomListWidget::draggingWithButtonHeldSelectsNothingMore()
{
    QWidget* viewport = m_list->viewport();
    sendMouse(viewport, QEvent::MouseButtonPress, rowCentre(*m_list, 0), Qt::LeftButton);
    for (int y = rowCentre(*m_list, 0).y(); y <= rowCentre(*m_list, 2).y(); y += 12) {
        sendMouse(viewport, QEvent::MouseMove, QPoint(60, y), Qt::LeftButton);
    }
    sendMouse(viewport, QEvent::MouseButtonRelease, rowCentre(*m_list, 2), Qt::NoButton);

    QCOMPARE(selectedRows(*m_list), QList<int> { 0 });
    QCOMPARE(m_list->currentRow(), 0);
}

void TestCustomListWidget::ctrlAndShiftExtendTheSelection()
{
    QWidget* viewport = m_list->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, rowCentre(*m_list, 0));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, rowCentre(*m_list, 2));
    QCOMPARE(selectedRows(*m_list), QList<int>({ 0, 2 }));

    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, rowCentre(*m_list, 0));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, rowCentre(*m_list, 2));
    QCOMPARE(selectedRows(*m_list), QList<int>({ 0, 1, 2 }));
}

QTEST_MAIN(TestCustomListWidget)
#include "TestCustomListWidget.moc"
