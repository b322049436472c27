#pragma once

#include "model/store/CDueStore.h"

#include <QStringList>

// Marks the given dues paid or unpaid, each on its own: a member of a series
// changes alone. Dues already in that state are left as they are. Returns the
// identifiers that were written; failed writes are in the store's errors.
QStringList MarkDues(CDueStore& store, const QStringList& recIds, bool paid);
