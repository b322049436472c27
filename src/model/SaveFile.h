#pragma once

#include <QByteArray>
#include <QString>

namespace SaveFile {
// Writes the whole file atomically: a crash leaves the old file or the new
// one, never a torn one. On failure returns false with the reason.
[[nodiscard]] bool Write(const QString& path, const QByteArray& bytes, QString* why);
} // namespace SaveFile
