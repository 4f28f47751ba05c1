#pragma once

#include <QPixmap>

#include "config/device_groups.h"

class VelmorBusDevice;

// The picture a page shows at its top left for the group a device belongs
// to. A plain stand-in until the tree's own images can be shared.
QPixmap sheetPicture(DeviceGroup group);

// The group whose picture a device's sheet shows.
DeviceGroup sheetGroupOf(const VelmorBusDevice& device);
