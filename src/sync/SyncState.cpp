#include "sync/SyncState.h"

#include "model/store/SaveFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SyncState)
};

constexpr int kVersion = 1;
// Far beyond what a folder's dues need: a larger file is not ours.
constexpr qint64 kMaxFileSize = 512 * 1024 * 1024;

QString Iso(const QDateTime& dt)
{
    return dt.isValid() ? dt.toString(Qt::ISODate) : QString();
}

QDateTime FromIso(const QJsonValue& v, Qt::TimeSpec timeSpec)
{
    QDateTime dt = QDateTime::fromString(v.toString(), Qt::ISODate);
    if (dt.isValid() && timeSpec == Qt::UTC)
        dt = dt.toUTC();
    return dt;
}

QJsonObject CopyJson(const ServerCopy& c)
{
    return QJsonObject{{QStringLiteral("uid"), c.uid},
                       {QStringLiteral("task"), c.kind == CalendarComponent::Task},
                       {QStringLiteral("completed"), c.completed},
                       {QStringLiteral("completedAt"), Iso(c.completedAt)},
                       {QStringLiteral("due"), Iso(c.due)},
                       {QStringLiteral("summary"), c.summary},
                       {QStringLiteral("signature"), QString::fromLatin1(c.signature)}};
}

ServerCopy CopyOf(const QJsonObject& o)
{
    ServerCopy c;
    c.usable = true;
    c.uid = o.value(QStringLiteral("uid")).toString();
    c.kind =
        o.value(QStringLiteral("task")).toBool(true) ? CalendarComponent::Task : CalendarComponent::Event;
    c.completed = o.value(QStringLiteral("completed")).toBool();
    c.completedAt = FromIso(o.value(QStringLiteral("completedAt")), Qt::UTC);
    c.due = FromIso(o.value(QStringLiteral("due")), Qt::LocalTime);
    c.summary = o.value(QStringLiteral("summary")).toString();
    c.signature = o.value(QStringLiteral("signature")).toString().toLatin1();
    return c;
}

} // namespace

QString SyncState::FilePathFor(const DataFolder& folder, const QUrl& calendar)
{
    const QByteArray calendarKey =
        QCryptographicHash::hash(calendar.toString(QUrl::FullyEncoded).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(8);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Quillory/Tallyvane/caldav/") + folder.Key() + QLatin1Char('-') +
           QString::fromLatin1(calendarKey) + QStringLiteral(".json");
}

bool SyncState::Load(const QString& path, QString* why)
{
    *this = SyncState();
    m_path = path;
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return false;
    }
    if (file.size() > kMaxFileSize) {
        *why = Texts::tr("the file is too large");
        return false;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    const QJsonObject root = doc.object();
    if (error.error != QJsonParseError::NoError ||
        root.value(QStringLiteral("version")).toInt() != kVersion) {
        *why = Texts::tr("the file is not the state of a calendar sync");
        return false;
    }
    calendar = root.value(QStringLiteral("calendar")).toString();
    syncToken = root.value(QStringLiteral("syncToken")).toString();
    tokenRefused = root.value(QStringLiteral("tokenRefused")).toBool();
    const QJsonObject sentObject = root.value(QStringLiteral("sent")).toObject();
    for (auto it = sentObject.begin(); it != sentObject.end(); ++it) {
        if (!IsSafeRecordId(it.key()))
            continue;
        const QJsonObject o = it.value().toObject();
        SentDue s;
        s.href = o.value(QStringLiteral("href")).toString();
        s.etag = o.value(QStringLiteral("etag")).toString();
        s.record = o.value(QStringLiteral("record")).toString().toLatin1();
        s.render = o.value(QStringLiteral("render")).toString().toLatin1();
        s.signature = o.value(QStringLiteral("signature")).toString().toLatin1();
        s.paid = o.value(QStringLiteral("paid")).toBool();
        s.due = FromIso(o.value(QStringLiteral("due")), Qt::LocalTime);
        s.completedAt = FromIso(o.value(QStringLiteral("completedAt")), Qt::UTC);
        if (!s.href.isEmpty())
            sent.insert(it.key(), s);
    }
    const QJsonObject heldObject = root.value(QStringLiteral("held")).toObject();
    for (auto it = heldObject.begin(); it != heldObject.end(); ++it) {
        if (!IsSafeRecordId(it.key()))
            continue;
        const QJsonObject o = it.value().toObject();
        HeldCopy h;
        h.href = o.value(QStringLiteral("href")).toString();
        h.etag = o.value(QStringLiteral("etag")).toString();
        h.conflict = o.value(QStringLiteral("conflict")).toBool();
        h.copy = CopyOf(o.value(QStringLiteral("copy")).toObject());
        h.copy.recId = it.key();
        held.insert(it.key(), h);
    }
    const QJsonObject goneObject = root.value(QStringLiteral("gone")).toObject();
    for (auto it = goneObject.begin(); it != goneObject.end(); ++it)
        if (IsSafeRecordId(it.key()))
            gone.insert(it.key(), it.value().toString().toLatin1());
    const QJsonObject foreignObject = root.value(QStringLiteral("foreign")).toObject();
    for (auto it = foreignObject.begin(); it != foreignObject.end(); ++it)
        foreign.insert(it.key(), it.value().toString());
    return true;
}

bool SyncState::Save(QString* why) const
{
    QJsonObject sentObject;
    for (auto it = sent.begin(); it != sent.end(); ++it) {
        const SentDue& s = it.value();
        sentObject.insert(it.key(),
                          QJsonObject{{QStringLiteral("href"), s.href},
                                      {QStringLiteral("etag"), s.etag},
                                      {QStringLiteral("record"), QString::fromLatin1(s.record)},
                                      {QStringLiteral("render"), QString::fromLatin1(s.render)},
                                      {QStringLiteral("signature"), QString::fromLatin1(s.signature)},
                                      {QStringLiteral("paid"), s.paid},
                                      {QStringLiteral("due"), Iso(s.due)},
                                      {QStringLiteral("completedAt"), Iso(s.completedAt)}});
    }
    QJsonObject heldObject;
    for (auto it = held.begin(); it != held.end(); ++it) {
        const HeldCopy& h = it.value();
        heldObject.insert(it.key(), QJsonObject{{QStringLiteral("href"), h.href},
                                                {QStringLiteral("etag"), h.etag},
                                                {QStringLiteral("conflict"), h.conflict},
                                                {QStringLiteral("copy"), CopyJson(h.copy)}});
    }
    QJsonObject goneObject;
    for (auto it = gone.begin(); it != gone.end(); ++it)
        goneObject.insert(it.key(), QString::fromLatin1(it.value()));
    QJsonObject foreignObject;
    for (auto it = foreign.begin(); it != foreign.end(); ++it)
        foreignObject.insert(it.key(), it.value());
    const QJsonObject root{
        {QStringLiteral("version"), kVersion},    {QStringLiteral("calendar"), calendar},
        {QStringLiteral("syncToken"), syncToken}, {QStringLiteral("tokenRefused"), tokenRefused},
        {QStringLiteral("sent"), sentObject},     {QStringLiteral("held"), heldObject},
        {QStringLiteral("gone"), goneObject},     {QStringLiteral("foreign"), foreignObject}};
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        *why = Texts::tr("cannot make the folder %1")
                   .arg(QDir::toNativeSeparators(QFileInfo(m_path).absolutePath()));
        return false;
    }
    return SaveFile::Write(m_path, QJsonDocument(root).toJson(QJsonDocument::Compact), why);
}
