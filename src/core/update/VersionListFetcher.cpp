// SPDX-License-Identifier: GPL-3.0-or-later
#include "VersionListFetcher.h"

#include "VersionList.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

VersionListFetcher::VersionListFetcher(QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_deadline(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, [this] {
        fail(tr("the server did not answer within %1 seconds").arg(m_timeoutMs / 1000.0));
    });
}

VersionListFetcher::~VersionListFetcher()
{
    abort();
}

bool VersionListFetcher::fetch(const QUrl &url)
{
    if (m_reply)
        return false;
    m_url = url;
    m_body.clear();
    m_failure.clear();
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        // Reported from the event loop, like every other ending, so callers connect first and fetch after.
        const QString description = tr("\"%1\" is not an http or https address").arg(url.toString());
        QTimer::singleShot(0, this, [this, description, failed = url.toString()] { Q_EMIT this->failed(description, failed); });
        return true;
    }
    QNetworkRequest request(url);
    // Also ends a connection that stalls half-way; the deadline bounds a server that trickles.
    request.setTransferTimeout(m_timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &VersionListFetcher::readBody);
    connect(m_reply, &QNetworkReply::finished, this, &VersionListFetcher::finish);
    m_deadline->start(m_timeoutMs);
    return true;
}

bool VersionListFetcher::isRunning() const
{
    return !m_reply.isNull();
}

void VersionListFetcher::readBody()
{
    if (!m_reply)
        return;
    const QVariant announced = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid() && announced.toLongLong() > VersionList::MaximumSize) {
        fail(tr("the answer is larger than 1 MiB (%1 bytes announced)").arg(announced.toLongLong()));
        return;
    }
    m_body += m_reply->read(VersionList::MaximumSize + 1 - m_body.size());
    if (m_body.size() > VersionList::MaximumSize)
        fail(tr("the answer is larger than 1 MiB"));
}

void VersionListFetcher::finish()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_deadline->stop();
    m_reply = nullptr;
    reply->deleteLater();
    disconnect(reply, nullptr, this, nullptr);
    if (!m_failure.isEmpty()) {
        Q_EMIT failed(m_failure, m_url.toString());
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        Q_EMIT failed(reply->errorString(), reply->url().toString());
        return;
    }
    m_body += reply->readAll();
    if (m_body.size() > VersionList::MaximumSize) {
        Q_EMIT failed(tr("the answer is larger than 1 MiB"), m_url.toString());
        return;
    }
    Q_EMIT fetched(m_body);
}

void VersionListFetcher::fail(const QString &description)
{
    if (!m_reply || !m_failure.isEmpty())
        return;
    m_failure = description;
    m_body.clear();
    // Aborting finishes the reply, which reports the failure recorded here.
    m_reply->abort();
}

void VersionListFetcher::abort()
{
    m_deadline->stop();
    if (QNetworkReply *reply = m_reply) {
        m_reply = nullptr;
        disconnect(reply, nullptr, this, nullptr);
        reply->abort();
        reply->deleteLater();
    }
}
