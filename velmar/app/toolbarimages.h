// The toolbar's button images and the application icon, painted here rather
// than shipped as bitmaps.
#pragma once

#include <QIcon>
#include <QPixmap>

inline constexpr int kButtonImageWidth = 16;
inline constexpr int kButtonImageHeight = 15;

// A 16 x 15 image for a toolbar command; a null pixmap for any other.
QPixmap ToolbarImage(int commandId);
QIcon ApplicationIcon();
