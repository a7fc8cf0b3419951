#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

/**
 * Receives, for as long as it lives, every address of the given schemes that the program hands to
 * the desktop (web pages, folders, files), so tests can check them without opening anything.
 */
class UrlRecorder final : public QObject
{
    Q_OBJECT

public:
    explicit UrlRecorder(const QStringList& schemes = { "file", "http", "https" });
    ~UrlRecorder() override;

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url);

private:
    QStringList m_schemes;
};
