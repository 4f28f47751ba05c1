#pragma once

#include <QIcon>
#include <Qt>

// A unit-list item carries its bulb state under this role, so tests and
// callers can tell which bulb it shows without comparing pixels.
inline constexpr int kBulbLitRole = Qt::UserRole + 1;

// The bulb a unit-list item shows: lit for a unit in use, unlit otherwise.
// Drawn by the program once per state.
QIcon bulbIcon(bool lit);
