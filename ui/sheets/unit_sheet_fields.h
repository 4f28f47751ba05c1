#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QWidget;

// Controls the disk and tape unit pages share (the host device list also
// serves the DCI1300 page).

// A text field for script text (a file name) of any length.
QLineEdit* makeTextEdit(const QString& text, QWidget* parent);
// A host device list: the devices offered and any typed path (other hosts'
// devices cannot be probed, so their paths are typed).
QComboBox* makeHostDeviceBox(QWidget* parent);
// Refills the list with `devices` and keeps the path shown selected, adding
// it when missing.
void refillHostDevices(QComboBox* box, const QStringList& devices);
