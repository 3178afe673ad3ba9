#pragma once
// The catalogue of built-in pictures, addressed by numeric id:
//   1..52 card faces (id = card code), 53 the winking King of Hearts, 60..69 card backs,
//   90..93 help glyphs, 1001..2000 single bills, 100..6000 bundles (see BillImageId).
// Pictures are SVG, rendered at the box's size times its device pixel ratio and cached.

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

class QLabel;

bool IsCatalogueId(int id);
// Every catalogue id, in ascending order.
std::vector<int> CatalogueIds();
// The picture's design size in logical pixels (71 x 96 for a card); invalid for unknown ids.
QSize CatalogueSize(int id);

// Bill value -> id: v + 1000 below 10,000, v / 100 from 10,000 on.
int BillImageId(int value);

// Renders id at deviceSize pixels (cached by id and size). Unknown id: a null image,
// reported in debug builds.
QImage CatalogueImage(int id, QSize deviceSize);

// Shows id in an image box (a QLabel with scaled contents), crisp at the box's pixel ratio.
// Unknown id: the box is left as it was, reported in debug builds.
void ShowImage(QLabel* box, int id);
// Removes the picture, so the table shows through.
void ClearImage(QLabel* box);

// Pictures that are not in the catalogue (layout pictures, glyphs, the icon), by resource
// name such as "title", "broke", "calculator", "tool_save", "icon"; rendered and cached
// like the catalogue.
QImage LayoutPicture(const QString& name, QSize deviceSize);
void ShowLayoutPicture(QLabel* box, const QString& name);

// The program's icon, for every window.
class QIcon;
QIcon ProgramIcon();

// Drops every rendered picture (benchmarks measure first loads with it).
void ClearImageCache();
int ImageCacheSize();
