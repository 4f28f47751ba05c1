#pragma once

#include <QDialog>

// "About VelmorCfgEditor": the application's picture, its version and OK.
class CAboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDialog(QWidget* parent = nullptr);
};

// The application's icon, drawn like the tree's pictures.
QIcon applicationIcon();
