#include "sync/DavClient.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QSslError>
#include <QXmlStreamReader>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(DavClient)
};

constexpr qsizetype kMaxAnswerChars = 300;

// The server's answer in one line: the text of a plain or HTML body, or the
// names of the conditions a WebDAV error body lists.
QString ServerAnswer(const QByteArray& body)
{
    const QString text = QString::fromUtf8(body.left(64 * 1024));
    if (text.trimmed().isEmpty())
        return {};
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    QString plain = QString(text).replace(tags, QStringLiteral(" ")).simplified();
    if (plain.isEmpty() && text.trimmed().startsWith(QLatin1Char('<'))) {
        QXmlStreamReader xml(body);
        QStringList names;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() != QLatin1String("error"))
                names << xml.name().toString();
        }
        plain = names.join(QStringLiteral(", "));
    }
    if (plain.size() > kMaxAnswerChars)
        plain = plain.left(kMaxAnswerChars) + QChar(0x2026);
    return plain;
}

} // namespace

DavFailure FailureOf(const DavReply& reply)
{
    if (reply.Ok())
        return DavFailure::None;
    if (reply.aborted)
        return DavFailure::Cancelled;
    if (!reply.sslErrors.isEmpty() || reply.error == QNetworkReply::SslHandshakeFailedError)
        return DavFailure::Tls;
    if (reply.status == 0)
        return DavFailure::Offline;
    if (reply.status >= 500)
        return DavFailure::Server;
    return DavFailure::Refused;
}

QString DescribeFailure(const DavReply& reply, const QString& what)
{
    const QString where = reply.url.toDisplayString(QUrl::RemoveUserInfo);
    const QString answer = ServerAnswer(reply.body);
    const QString code =
        QStringLiteral("%1 %2").arg(reply.status).arg(QString::fromLatin1(reply.reason)).trimmed();
    QString text;
    switch (FailureOf(reply)) {
    case DavFailure::None:
        return {};
    case DavFailure::Cancelled:
        return Text::tr("%1: stopped.").arg(what);
    case DavFailure::Tls:
        return Text::tr("%1: the certificate of %2 is not trusted: %3")
            .arg(what, where,
                 reply.sslErrors.isEmpty() ? reply.errorString : reply.sslErrors.join(QStringLiteral("; ")));
    case DavFailure::Offline:
        if (reply.error == QNetworkReply::TimeoutError ||
            reply.error == QNetworkReply::OperationCanceledError)
            return Text::tr("%1: %2 did not answer within %n seconds.", nullptr, DavClient::kTimeoutMs / 1000)
                .arg(what, where);
        return Text::tr("%1: %2 cannot be reached: %3").arg(what, where, reply.errorString);
    case DavFailure::Refused:
        switch (reply.status) {
        case 401:
            text = Text::tr("%1: the server refused the user name or password (%2).").arg(what, code);
            break;
        case 403:
            text = Text::tr("%1: the server does not allow it (%2).").arg(what, code);
            break;
        case 404:
            text = Text::tr("%1: there is nothing at %2 (%3).").arg(what, where, code);
            break;
        case 412:
            text = Text::tr("%1: it was changed on the server meanwhile (%2).").arg(what, code);
            break;
        default:
            text = Text::tr("%1: the server refused it (%2).").arg(what, code);
            break;
        }
        break;
    case DavFailure::Server:
        text = Text::tr("%1: the server failed (%2).").arg(what, code);
        break;
    }
    if (!answer.isEmpty())
        text += QLatin1Char(' ') + Text::tr("It said: %1").arg(answer);
    return text;
}

DavClient::DavClient(QObject* parent) : QObject(parent), m_manager(new QNetworkAccessManager(this))
{
    // Basic goes with every request; a server that wants another scheme asks
    // once, and a refused name or password is not tried again.
    connect(m_manager, &QNetworkAccessManager::authenticationRequired, this,
            [this](QNetworkReply* reply, QAuthenticator* auth) {
                if (reply->property("tvAuthTried").toBool())
                    return;
                reply->setProperty("tvAuthTried", true);
                auth->setUser(m_user);
                auth->setPassword(m_password);
            });
}

DavClient::~DavClient()
{
    // Nobody is left to be told.
    for (QNetworkReply* reply : std::as_const(m_replies)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void DavClient::SetCredentials(const QString& user, const QString& password)
{
    m_user = user;
    m_password = password;
}

void DavClient::Send(const QByteArray& verb, const QUrl& url, const QByteArray& body, const Headers& headers,
                     Done done)
{
    Start(verb, url, body, headers, std::move(done), 0);
}

void DavClient::Start(const QByteArray& verb, const QUrl& url, const QByteArray& body, const Headers& headers,
                      Done done, int redirects)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(kTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Tallyvane"));
    if (!m_user.isEmpty())
        request.setRawHeader("Authorization",
                             "Basic " + (m_user.toUtf8() + ':' + m_password.toUtf8()).toBase64());
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    ++m_requests;
    QNetworkReply* reply = m_manager->sendCustomRequest(request, verb, body);
    m_replies.insert(reply);
    auto sslErrors = std::make_shared<QStringList>();
    connect(reply, &QNetworkReply::sslErrors, this, [sslErrors](const QList<QSslError>& errors) {
        for (const QSslError& e : errors)
            *sslErrors << e.errorString();
    });
    connect(
        reply, &QNetworkReply::finished, this,
        [this, reply, verb, url, body, headers, done = std::move(done), redirects, sslErrors]() mutable {
            m_replies.remove(reply);
            reply->deleteLater();
            DavReply r;
            r.url = url;
            r.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            r.reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
            r.error = reply->error();
            r.errorString = reply->errorString();
            r.sslErrors = *sslErrors;
            if (reply->isOpen())
                r.body = reply->readAll();
            r.etag = reply->rawHeader("ETag");
            const QByteArray location = reply->rawHeader("Location");
            const bool redirect =
                r.status == 301 || r.status == 302 || r.status == 303 || r.status == 307 || r.status == 308;
            if (redirect && !location.isEmpty() && redirects < kMaxRedirects) {
                const QUrl next = url.resolved(QUrl::fromEncoded(location));
                // Never from https down to http: the password would go in the clear.
                if (!(url.scheme() == QLatin1String("https") && next.scheme() != QLatin1String("https"))) {
                    Start(verb, next, body, headers, std::move(done), redirects + 1);
                    return;
                }
            }
            r.aborted = reply->property("tvAborted").toBool();
            const Done call = std::move(done);
            call(r);
        });
}

void DavClient::AbortAll()
{
    const QSet<QNetworkReply*> replies = m_replies;
    for (QNetworkReply* reply : replies) {
        reply->setProperty("tvAborted", true);
        reply->abort();
    }
}
