#pragma once

#include <QString>

// The program's own folder followed by fileName: where the templates and the
// help are found beside the executable.
QString GetModuleFilePath(const QString& fileName);

// Where an installed program keeps its shared files (templates, help,
// translations), relative to the program's own folder, e.g.
// "../share/tallyvane". Each program sets it once at start; a test or a
// program that never sets it uses the files beside itself.
void SetInstalledDataFolder(const QString& relativeToProgram);

// name in the installed data folder when it is there, else beside the
// program (a build tree keeps everything beside the program).
QString GetDataFilePath(const QString& name);
