#pragma once

#include <QDialog>
#include <memory>

#include "devices/network_protocols.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

// "Protocols Usage": picks the protocols a hardware adapter passes on a real
// interface. It edits its own copy of the set, so Cancel undoes every mark
// it changed; the caller takes set() only after OK.
class CProtocolsUsageDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CProtocolsUsageDialog(const ProtocolSet& set, QWidget* parent = nullptr);

  const ProtocolSet& set() const { return set_; }

  QListWidget* availableList() const { return available_; }
  QListWidget* usedList() const { return used_; }
  QPushButton* addButton() const { return addButton_; }
  QPushButton* deleteButton() const { return deleteButton_; }
  QPushButton* okButton() const { return okButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }

  // What the buttons do, also for a double click in the left list.
  void addSelected();
  void deleteSelected();

 private:
  // A list entry for the table entry at `index`; the list takes it over.
  std::unique_ptr<QListWidgetItem> makeItem(std::size_t index) const;

  ProtocolSet set_;
  QListWidget* available_ = nullptr;
  QListWidget* used_ = nullptr;
  QPushButton* addButton_ = nullptr;
  QPushButton* deleteButton_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};
