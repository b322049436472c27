#pragma once

#include <QString>

class QFontMetrics;
class QWidget;

// Tool tips that hold a user's text (a title, a note) as long as it is:
// broken into lines that fit the screen, since a tool tip of one line runs
// off its edge.
namespace ToolTipText {

// The text in lines no wider than `width` pixels: broken at a blank where a
// line has one, else inside the word. The text's own line breaks stay.
QString Wrapped(const QString& text, const QFontMetrics& metrics, int width);

// The text wrapped for a tool tip shown over `widget`: at most half as wide as
// the screen it is on.
QString ForScreen(const QString& text, const QWidget* widget);

} // namespace ToolTipText
