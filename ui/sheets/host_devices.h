#pragma once

#include <QString>
#include <QStringList>

class DialogRunner;

// No host has more of one kind of device; the probe stops here whatever answers.
inline constexpr int kMaxHostDevices = 256;

// The real devices a page offers: prefix + n for n = first, first + 1, ...
// as long as each can be opened (e.g. "\\.\COM" from 1). The list may be empty.
QStringList openableHostDevices(DialogRunner& dialogs, const QString& prefix, int first);
