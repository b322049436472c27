#pragma once

#include <QString>

// The program's string table: the text of a string id, or an empty string.
QString LoadResString(int id);
