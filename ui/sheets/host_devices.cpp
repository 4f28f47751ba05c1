#include "ui/sheets/host_devices.h"

#include "ui/dialog_runner.h"

QStringList openableHostDevices(DialogRunner& dialogs, const QString& prefix, int first) {
  QStringList devices;
  for (int n = first; n < first + kMaxHostDevices; ++n) {
    const QString path = prefix + QString::number(n);
    if (!dialogs.canOpenHostDevice(path)) break;
    devices << path;
  }
  return devices;
}
