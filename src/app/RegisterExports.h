#pragma once

// Makes the exports known to the command line. html and pdf need nothing
// beyond QtCore and run in `tallyvane` itself.
void RegisterExports();

// xlsx and docx, which need the zip and XML libraries: the office program
// runs them.
void RegisterOfficeExports();

// For `tallyvane`, which goes without those libraries: xlsx and docx are
// handed to the office program.
void HandOverOfficeExports();
