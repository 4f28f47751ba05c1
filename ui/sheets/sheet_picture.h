#pragma once

#include <QPixmap>

#include "config/device_groups.h"

class QGridLayout;
class QLabel;
class QWidget;
class VelmorBusDevice;

// The picture a page shows at its top left: the tree's normal image of the
// group a device belongs to.
QPixmap sheetPicture(DeviceGroup group);

// The group whose picture a device's sheet shows.
DeviceGroup sheetGroupOf(const VelmorBusDevice& device);

// The picture as a label for a page's top left corner.
QLabel* pictureLabel(const QPixmap& picture, QWidget* parent);
// A page's grid with the picture at its top left, in row 0 and column 0.
QGridLayout* pictureGrid(QWidget* page, const QPixmap& picture);
