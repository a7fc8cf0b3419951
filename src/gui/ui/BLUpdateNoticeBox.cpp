#include "ui/BLUpdateNoticeBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>

namespace Brimlake {
    void BLUpdateNoticeBox::show(const BLUpdateNotice& notice)
    {
        QMessageBox::Icon icon = QMessageBox::Warning;
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
        switch (notice.kind) {
        case BLUpdateNotice::NewerVersion:
            icon = QMessageBox::Question;
            buttons = QMessageBox::Yes | QMessageBox::No;
            break;
        case BLUpdateNotice::NewestVersion:
            icon = QMessageBox::Information;
            break;
        case BLUpdateNotice::NetworkError:
        case BLUpdateNotice::TooFrequent:
            break;
        }

        auto* box = new QMessageBox(icon, notice.title, notice.text, buttons, QApplication::activeWindow());
        box->setAttribute(Qt::WA_DeleteOnClose);
        const QUrl page = notice.productPage;
        if (notice.kind == BLUpdateNotice::NewerVersion) {
            box->setDefaultButton(QMessageBox::Yes);
            QObject::connect(box, &QMessageBox::finished, box, [page](int result) {
                if (result == QMessageBox::Yes) {
                    QDesktopServices::openUrl(page);
                }
            });
        }
        // Modal for the window, but the caller's event loop keeps running: nothing waits on the answer.
        box->open();
    }
} // namespace Brimlake
