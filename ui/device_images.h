#pragma once

#include <QIcon>
#include <QPixmap>

#include "ui/group_table.h"

// The state a device node shows, in its order of precedence.
enum class ImageState { Normal, Disabled, Conflict, BusWarning, Boot };

// Names one image of the tree; tests compare these rather than pixels.
struct ImageKey {
  ImageSet set = ImageSet::System;
  ImageState state = ImageState::Normal;
  bool operator==(const ImageKey&) const = default;
  int code() const { return static_cast<int>(set) * 8 + static_cast<int>(state); }
  static ImageKey fromCode(int code) {
    return {static_cast<ImageSet>(code / 8), static_cast<ImageState>(code % 8)};
  }
};

// Disk, tape, loader and ROM pictures have a "BOOT" variant.
bool hasBootImage(ImageSet set);

// The device state image: disabled before conflict before bus warning
// before boot; the boot state only for sets that have it.
ImageKey chooseDeviceImage(ImageSet set, bool disabled, bool conflict, bool busWarning, bool boot);

// A group shows its disabled image when it has devices and every one of
// them shows the disabled image; otherwise (and when empty) the normal one.
ImageKey chooseGroupImage(ImageSet set, std::size_t deviceCount, std::size_t disabledCount);

// The 16 by 16 picture, drawn by the program; cached per key.
QIcon iconFor(ImageKey key);
QPixmap drawImage(ImageKey key);
