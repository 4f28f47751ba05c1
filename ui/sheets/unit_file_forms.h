#pragma once

#include <QString>
#include <string_view>

// How a unit's file text reads on the target host: a host device path or a
// file of the host, and for tapes also a link port.

bool isWindowsNtTarget(std::string_view targetOs);

// Whether a disk unit's file names a real disk of the target host: "\\.\..."
// on Windows NT, "/dev/..." on Digital UNIX, "DEVICE:" on Open VMS. The same
// text is an image file on the other hosts.
bool namesRealDisk(std::string_view file, std::string_view targetOs);

// A tape unit's file: "image NAME", "port N" or a host tape device path.
struct TapeFileForm {
  enum class Kind { Image, Port, Device };
  Kind kind = Kind::Image;
  QString text;  // the image name, the port or the device path
};

// The words of the text decide: a first word "image" gives the other words
// joined by single blanks, "port" the next word; any other text is a device.
// An empty text is an image not yet named.
TapeFileForm readTapeFile(const QString& file);
// The file text of a form: "image NAME", "port N" or the device path. An
// image without a name gives no file: "image " alone would name nothing.
QString tapeFileText(const TapeFileForm& form);
