#pragma once

#include "export/ExportRequest.h"

class QWidget;

// Export > HTML (With Notes / Without Notes): asks where to save the listed
// dues, writes them through the HTML template and opens the file in the
// default browser. Nothing is asked when the list is empty; every failure is
// shown to the user. request.outputPath is ignored (the user chooses).
void RunHtmlExport(QWidget* parent, const ExportRequest& request);
