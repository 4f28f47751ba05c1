#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;
enum class DeviceGroup;

// Controls the disk and tape unit pages share.

// The group's picture for a page's top left corner.
QLabel* makePictureLabel(DeviceGroup group, QWidget* parent);
// A text field for script text (a file name) of any length.
QLineEdit* makeTextEdit(const QString& text, QWidget* parent);
// A host device list: the devices offered and any typed path (other hosts'
// devices cannot be probed, so their paths are typed).
QComboBox* makeHostDeviceBox(QWidget* parent);
// Refills the list with `devices` and keeps the path shown selected, adding
// it when missing.
void refillHostDevices(QComboBox* box, const QStringList& devices);

// Why a unit's file text cannot be written (it is written between double
// quotes), or an empty text.
std::string fileNameRefusal(const QString& text);

// An integer field's value; false when its text is not an integer.
bool readIntegerField(const QLineEdit* edit, std::int32_t& value);
