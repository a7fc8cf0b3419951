// The crash message of Vantorel Kompresto. A crashed process cannot safely draw a window, so its crash
// handler starts this program and waits until the user has closed the message.
// Arguments (UTF-8): the title, the text and, optionally, the OK button's text in the user's language.

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        return 2;
    }
    // Taken before QApplication, which would treat a text that looks like one of its options as one.
    const QString title = QString::fromUtf8(argv[1]);
    const QString text = QString::fromUtf8(argv[2]);
    const QString okText = argc > 3 ? QString::fromUtf8(argv[3]) : QString();

    int applicationArgc = 1;
    QApplication application(applicationArgc, argv);
    // Shown as the application's own window: its icon and its desktop entry.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/resource/vantorel.ico")));
    QApplication::setApplicationDisplayName(QStringLiteral("Vantorel Kompresto"));
    QGuiApplication::setDesktopFileName(QStringLiteral("vantorel-kompresto"));

    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    if (!okText.isEmpty()) {
        box.button(QMessageBox::Ok)->setText(okText);
    }
    box.exec();
    return 0;
}
