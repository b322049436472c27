#include "sync/CalDavAccount.h"

#include <QSettings>

namespace {

QString Group(const DataFolder& folder)
{
    return QStringLiteral("CalendarSync/") + folder.Key();
}

QSettings Settings()
{
    return QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
}

} // namespace

CalDavAccount CalDavAccount::Load(const DataFolder& folder)
{
    QSettings s = Settings();
    s.beginGroup(Group(folder));
    CalDavAccount a;
    a.server = s.value(QStringLiteral("Server")).toString();
    a.calendar = QUrl(s.value(QStringLiteral("Calendar")).toString());
    a.calendarName = s.value(QStringLiteral("CalendarName")).toString();
    a.user = s.value(QStringLiteral("User")).toString();
    a.events = s.value(QStringLiteral("Events"), false).toBool();
    a.enabled = s.value(QStringLiteral("Enabled"), true).toBool();
    return a;
}

void CalDavAccount::Save(const DataFolder& folder) const
{
    QSettings s = Settings();
    s.beginGroup(Group(folder));
    s.setValue(QStringLiteral("Folder"), folder.Path()); // for a reader of the file
    s.setValue(QStringLiteral("Server"), server);
    s.setValue(QStringLiteral("Calendar"), calendar.toString(QUrl::FullyEncoded));
    s.setValue(QStringLiteral("CalendarName"), calendarName);
    s.setValue(QStringLiteral("User"), user);
    s.setValue(QStringLiteral("Events"), events);
    s.setValue(QStringLiteral("Enabled"), enabled);
}

void CalDavAccount::Remove(const DataFolder& folder)
{
    QSettings s = Settings();
    s.remove(Group(folder));
}

QString CalDavAccount::KeyringKey(const QString& user, const QString& server)
{
    return user + QLatin1Char('@') + server.trimmed();
}
