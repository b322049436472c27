#pragma once

#include <QString>

// The program's own folder followed by fileName: where the templates and the
// help are found beside the executable.
QString GetModuleFilePath(const QString& fileName);
