#pragma once

#include "documents/FileItemList.h"
#include "ui/FileItemWidget.h"
#include "ui/MainWindow.h"
#include "ui/ModalDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QStackedWidget>
#include <QTest>
#include <QUrl>

#include <memory>

/** Finds the main window's widgets by their object names and works them like a user. */
namespace MainWindowDriver {
    template <typename T>
    T* widget(const char* name)
    {
        T* found = MainWindow::instance()->findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("The main window has no %s", name);
        }
        return found;
    }

    inline QListWidget* list() { return widget<QListWidget>("listWidget"); }

    inline int rowCount() { return list()->count(); }

    /**
     * Turns the event loop until every document added so far has been inspected and has its row (a
     * long adding builds its rows a slice at a time); false after three minutes (the sanitizer build is slow).
     */
    inline bool waitUntilAdded()
    {
        return QTest::qWaitFor(
            []() {
                const FileItemList* items = MainWindow::instance()->fileItemList();
                return items->checkingCount() == 0 && rowCount() == items->count();
            },
            180000);
    }

    /** Lists the named documents of folder as a drop or the add dialog would, and waits until they have rows. */
    inline bool addDocuments(const QString& folder, const QStringList& names)
    {
        QStringList paths;
        for (const QString& name : names) {
            paths << QDir(folder).filePath(name);
        }
        MainWindow::instance()->addFileRows(paths);
        return waitUntilAdded();
    }

    /** Chooses folder as the output folder the way a user does: a click on the field, then the dialog. */
    inline void chooseOutputFolder(const QString& folder)
    {
        ModalDialogs::setExistingDirectoryAnswer([folder](QWidget*, const QString&, const QString&) { return folder; });
        auto* field = widget<QLineEdit>("lineEdit_select_folder");
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, field->rect().center());
    }

    /** The names of the files in folder, sorted: what a run delivered there. */
    inline QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

    inline FileItemWidget* row(int index) { return MainWindow::instance()->showRow(index); }

    template <typename T>
    T* rowChild(int index, const char* name)
    {
        T* found = row(index)->findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("The row has no %s", name);
        }
        return found;
    }

    inline void click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    }

    inline void click(const char* name) { click(widget<QAbstractButton>(name)); }

    /** The current page of the main window: "page_1" (empty) or "page_5" (list). */
    inline QString currentPage() { return widget<QStackedWidget>("stackedWidget")->currentWidget()->objectName(); }

    inline bool loadStyleSheet()
    {
        QFile file(QStringLiteral(":/resource/style.qss"));
        if (!file.open(QIODevice::ReadOnly)) {
            return false;
        }
        qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
        return true;
    }

    inline QMimeData* fileUrls(const QStringList& paths)
    {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls << QUrl::fromLocalFile(path);
        }
        data->setUrls(urls);
        return data;
    }

    /**
     * The widget that receives a drag over the given one: like Qt's own dispatch, the nearest
     * widget, going up from there, that accepts drops.
     */
    inline QWidget* dropTarget(QWidget* over)
    {
        QWidget* widget = over;
        while (widget != nullptr && !widget->isWindow() && !widget->acceptDrops()) {
            widget = widget->parentWidget();
        }
        return widget;
    }

    /** Drags files over the given widget of the window; true when the window accepts them. */
    inline bool dragEnter(const QStringList& paths, QWidget* over)
    {
        std::unique_ptr<QMimeData> data(fileUrls(paths));
        QWidget* target = dropTarget(over);
        QDragEnterEvent event(over->mapTo(target, over->rect().center()), Qt::CopyAction | Qt::MoveAction, data.get(),
            Qt::LeftButton, Qt::NoModifier);
        event.ignore();
        QApplication::sendEvent(target, &event);
        return event.isAccepted();
    }

    /** Drops the URLs on the given widget, without the drag that comes first. */
    inline void drop(QMimeData* data, QWidget* over)
    {
        QWidget* target = dropTarget(over);
        QDropEvent event(over->mapTo(target, over->rect().center()), Qt::CopyAction | Qt::MoveAction, data,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    /** Drags files over the given widget and drops them there when the window accepts them. */
    inline bool dragAndDrop(const QStringList& paths, QWidget* over)
    {
        if (!dragEnter(paths, over)) {
            return false;
        }
        std::unique_ptr<QMimeData> data(fileUrls(paths));
        drop(data.get(), over);
        return true;
    }
} // namespace MainWindowDriver
