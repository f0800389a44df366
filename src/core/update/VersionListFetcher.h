// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// Downloads the version list with a plain GET and hands back the bytes, nothing more:
// parsing is VersionList's job. A fetch ends with exactly one of fetched() or failed().
// The body is kept in memory and cut off at VersionList::MaximumSize; a server that
// sends nothing for the timeout, or takes longer than it overall, fails the fetch.
// Lives on the thread that created it (the main thread in the window, the only one in the CLI).
class VersionListFetcher : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultTimeoutMs = 30000;

    explicit VersionListFetcher(QObject *parent = nullptr);
    ~VersionListFetcher() override;

    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    int timeout() const { return m_timeoutMs; }

    // False (and nothing emitted) while a fetch is still running.
    bool fetch(const QUrl &url);
    bool isRunning() const;
    // Ends a running fetch without a signal.
    void abort();

Q_SIGNALS:
    void fetched(const QByteArray &body);
    // `description` says what went wrong in words; `url` is the address that failed.
    void failed(const QString &description, const QString &url);

private:
    void readBody();
    void finish();
    void fail(const QString &description);

    QNetworkAccessManager *m_network;
    QTimer *m_deadline;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    QUrl m_url;
    QString m_failure;
    int m_timeoutMs = DefaultTimeoutMs;
};
