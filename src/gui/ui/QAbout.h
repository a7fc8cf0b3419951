#pragma once

#include <QDate>
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
    class QAbout;
}

/**
 * The About box: the product's icon, name and version, a button to its web page and the copyright
 * line with the current year. Runs modally and deletes itself when closed.
 */
class QAbout final : public QDialog
{
    Q_OBJECT

public:
    explicit QAbout(QWidget* parent);
    ~QAbout() override;

    using DateSource = std::function<QDate()>;
    /** Test seam: where the copyright year comes from; an empty source restores the system date. */
    static void setDateSource(DateSource source);

private:
    void btnMoreInfo_clicked();
    static QDate today();

    const std::unique_ptr<Ui::QAbout> m_ui;
};
