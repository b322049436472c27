#pragma once

#include <QIcon>

class QPainter;

// The applet's icon, drawn at 16, 32 and 48 pixels: a key pad with a stylus.
QIcon PivexAppIcon();

// The icon drawn with any painter in a size x size square: how the installed
// icons are made.
void PaintPivexAppIcon(QPainter& p, int size);
