#pragma once

// Loads Qt's own translations and the program's for the user's locale: ours
// from "translations" in the installed data folder, else beside the program.
// English, the texts in the source, needs no file. Call once the
// QCoreApplication exists.
void InstallTranslations();
