#pragma once

#include "model/store/DataFolder.h"

#include <QString>

// Where an export may write. An export never replaces a file of the data
// folder (a due file, the marker file, or anything else in it, also when
// reached through a link or another hard link), nor the folder itself.
namespace OutputPath {

// Empty when an export may write to path; else the reason it may not.
QString Refusal(const QString& path, const DataFolder& folder);

} // namespace OutputPath
