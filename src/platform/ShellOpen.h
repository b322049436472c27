#pragma once

#include <QString>

#include <functional>

// Opens a file with the desktop's default program for its type. The widget
// library installs the real handler at start-up; tests install a recorder.
// Returns false when nothing could open it.
bool ShellOpen(const QString& path);

using ShellOpenHandler = std::function<bool(const QString& path)>;
// Replaces the handler; returns the previous one.
ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler);
