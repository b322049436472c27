#pragma once

#include <QIcon>

// The applet's icon, drawn at 16, 32 and 48 pixels: a key pad with a stylus.
QIcon PivexAppIcon();
