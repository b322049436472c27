#pragma once

#include "model/store/DataFolder.h"

#include <QString>
#include <QUrl>

// The calendar account of one data folder, kept in the user's settings
// (QSettings "Quillory"/"Tallyvane", group "CalendarSync/<folder key>"),
// never in the data folder. The password is not here: it lives in the
// desktop's keyring (see SyncPassword).
struct CalDavAccount
{
    QString server; // as the user typed it: discovery starts there
    QUrl calendar;  // the calendar collection the dues go to
    QString calendarName;
    QString user;
    bool events = false; // events instead of tasks
    bool enabled = true;

    bool IsSet() const { return calendar.isValid() && !calendar.isEmpty() && !user.isEmpty(); }

    static CalDavAccount Load(const DataFolder& folder);
    void Save(const DataFolder& folder) const;
    static void Remove(const DataFolder& folder);

    // The keyring's name for the password of user on server.
    static QString KeyringKey(const QString& user, const QString& server);
    QString KeyringKey() const { return KeyringKey(user, server); }
};
