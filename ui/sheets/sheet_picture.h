#pragma once

#include <QPixmap>

#include "config/device_groups.h"

class VelmorBusDevice;

// The picture a page shows at its top left: the tree's normal image of the
// group a device belongs to.
QPixmap sheetPicture(DeviceGroup group);

// The group whose picture a device's sheet shows.
DeviceGroup sheetGroupOf(const VelmorBusDevice& device);
