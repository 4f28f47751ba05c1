#pragma once

#include <string>

class VelmorBaseDevice;
class VelmorBusDevice;

// "System [pdp 11/94,4096 ]".
std::string systemNodeText(const VelmorBaseDevice& system);
// "DUA  ( mscp,ra92 )", "DUA  ( mscp )"; a Va1000 adapter shows its name and a blank.
std::string deviceNodeText(const VelmorBusDevice& device);
