#pragma once

#include <QHash>
#include <QString>

// Calendar passwords in the desktop's keyring (the Secret Service or
// KWallet, through QtKeychain), never in a file of ours. Each call waits for
// the keyring's answer.
namespace SyncPassword {

// False with why when the keyring has none for key or cannot be reached.
bool Read(const QString& key, QString* password, QString* why);
bool Write(const QString& key, const QString& password, QString* why);
// Succeeds also when there was none.
bool Remove(const QString& key, QString* why);

// For tests: passwords kept in this table instead of the keyring (null: the keyring).
void SetStandIn(QHash<QString, QString>* table);

} // namespace SyncPassword
