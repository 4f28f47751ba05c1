#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/device_images.h"

QIcon applicationIcon() { return iconFor({ImageSet::System, ImageState::Normal}); }

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle("About VelmorCfgEditor");
  auto* picture = new QLabel;
  picture->setPixmap(drawImage({ImageSet::System, ImageState::Normal}).scaled(32, 32));
  auto* texts = new QVBoxLayout;
  texts->addWidget(new QLabel("VelmorCfgEditor Version 1.0"));
  texts->addWidget(new QLabel("Editor of Velmor PDP-11 emulator configuration scripts"));
  auto* top = new QHBoxLayout;
  top->addWidget(picture, 0, Qt::AlignTop);
  top->addLayout(texts);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
