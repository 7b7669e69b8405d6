#pragma once
// The pictures of the main window, drawn by the program: the background pattern "PIC", the icons of the image
// list and the application icon.
#include <QIcon>
#include <QPixmap>

namespace lm {

// The main window's image list: 16 icons; the tree's root, node and selected node images.
constexpr int kImageRoot = 9;
constexpr int kImageNode = 10;
constexpr int kImageNodeSelected = 11;
constexpr int kImageCount = 16;

// The 200 x 150 background tile (24 bits per pixel); it repeats without seams.
QPixmap BackgroundPicture();
// Icon `index` (0 .. kImageCount - 1) of the main window's image list; unknown indexes give an empty icon.
QIcon ImageListIcon(int index);
// A tree node's icon: image `index` normally, image `selectedIndex` while the node is selected.
QIcon ImageListIcon(int index, int selectedIndex);
// The application's icon: a hand-held radio.
QIcon ApplicationIcon();
QPixmap ApplicationPixmap(int size);

}  // namespace lm
