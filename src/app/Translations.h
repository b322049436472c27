#pragma once

// Loads Qt's own translations and the program's for the user's locale: ours
// from "translations" in the installed data folder, else beside the program.
// English, the texts in the source, takes only the forms of numbers from its
// file, which every language without one of its own reads. Call once the
// QCoreApplication exists.
void InstallTranslations();
