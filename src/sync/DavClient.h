#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <utility>

class QNetworkAccessManager;

// What came back for one request.
struct DavReply
{
    int status = 0; // the HTTP status; 0 when no answer came
    QByteArray reason;
    QByteArray body;
    QByteArray etag;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QString errorString;   // Qt's words when no answer came
    QStringList sslErrors; // why the server's certificate was refused
    QUrl url;              // the URL last asked (after redirects)
    bool aborted = false;  // stopped by AbortAll
    bool Ok() const { return status >= 200 && status < 300; }
};

// How a request failed, for what the caller does next.
enum class DavFailure
{
    None,
    Offline,   // no answer: no network, the server down or too slow
    Tls,       // the server's certificate was not trusted
    Refused,   // 4xx: the name or password, the rights, a missing calendar
    Server,    // 5xx
    Cancelled, // stopped by us
};
DavFailure FailureOf(const DavReply& reply);

// The failure in words for the user, with the server's own answer where it
// gave one: what is what was being done ("Sending \"Rent\"", "Listing the
// calendar").
QString DescribeFailure(const DavReply& reply, const QString& what);

// HTTP requests to a CalDAV server: any method, with the user's name and
// password (sent at once as Basic; a server that asks for Digest gets it once),
// redirects followed with the same method and body, answers handed to a
// callback. Keeps connections alive between requests, as QtNetwork does.
class DavClient : public QObject
{
    Q_OBJECT
public:
    explicit DavClient(QObject* parent = nullptr);
    ~DavClient() override;

    void SetCredentials(const QString& user, const QString& password);

    using Headers = QList<std::pair<QByteArray, QByteArray>>;
    using Done = std::function<void(const DavReply&)>;
    // Sends verb to url; done is called once with the answer (also for an
    // abort, with DavFailure::Cancelled).
    void Send(const QByteArray& verb, const QUrl& url, const QByteArray& body, const Headers& headers,
              Done done);
    // Stops every request under way; their callbacks are told Cancelled.
    void AbortAll();
    int InFlight() const { return int(m_replies.size()); }
    // Requests sent so far (redirects and retries included).
    qint64 RequestCount() const { return m_requests; }

    // A request with no answer for this long fails as a timeout.
    static constexpr int kTimeoutMs = 30000;
    static constexpr int kMaxRedirects = 5;

private:
    void Start(const QByteArray& verb, const QUrl& url, const QByteArray& body, const Headers& headers,
               Done done, int redirects);

    QNetworkAccessManager* m_manager;
    QString m_user;
    QString m_password;
    QSet<QNetworkReply*> m_replies;
    qint64 m_requests = 0;
};
