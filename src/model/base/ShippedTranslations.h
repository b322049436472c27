#pragma once

#include <QStringList>

// A text in every language the program ships: the English source, the
// running program's translation and the translation in each tallyvane_*.qm
// beside the program, each once. For reading words that a file made under
// another language may hold (a CSV written by the German program says
// "Geschäftlich").
QStringList TextInEveryLanguage(const char* context, const char* source);
