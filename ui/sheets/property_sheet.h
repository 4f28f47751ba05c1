#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "ui/sheets/property_page.h"

class QDialogButtonBox;
class QTabWidget;

// A modal tabbed dialog of pages with "OK" and "Cancel". A page that refuses
// to be left keeps its tab; OK is taken only when every page accepts, and
// then every page writes its values back.
class CPropertySheet : public QDialog {
  Q_OBJECT
 public:
  explicit CPropertySheet(const QString& caption, QWidget* parent = nullptr);
  ~CPropertySheet() override;

  void addPage(CPropertyPage* page, const QString& caption);
  // Kind pages go before a page already there (the Comments page stays last).
  void insertPage(int index, CPropertyPage* page, const QString& caption);

  int pageCount() const { return static_cast<int>(pages_.size()); }
  CPropertyPage* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
  QTabWidget* tabs() const { return tabs_; }
  QDialogButtonBox* buttons() const { return buttons_; }

  void accept() override;

 private:
  void pageChanged(int index);
  // Shows the page again and puts the focus on its field at fault.
  void returnTo(int index);

  QTabWidget* tabs_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
  std::vector<CPropertyPage*> pages_;
  int current_ = 0;
};
