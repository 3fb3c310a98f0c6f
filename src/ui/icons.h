#pragma once
#include <QIcon>
#include <QPixmap>

namespace zel {
// The window's image list: ten 16 x 16 pictures, drawn at run time.
QIcon actionIcon(int index);
// The program picture of the about box (250 x 50).
QPixmap programPicture();
} // namespace zel
