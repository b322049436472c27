#pragma once

#include <QByteArray>
#include <QString>

// Writes an export's bytes to the path the user chose, the way every export
// saves: through a temporary file in the target's folder that replaces the
// target only when all of it is written, so the old file stays intact on every
// failure; an existing file keeps its permissions; a symbolic link is written
// through to its target; a target that is not writable is refused, naming it.
// A target that is not a regular file (a FIFO, a device) is written into
// directly, never replaced. False with the reason in why on failure; the
// caller names the path.
[[nodiscard]] bool SaveExportFile(const QString& path, const QByteArray& bytes, QString* why);
