#include "ui/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/help_texts.h"

namespace {
const char* const kScheme = "help";
}  // namespace

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
  setWindowTitle("VelmorCfgEditor Help");
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, &CHelpWindow::followLink);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(520, 420);
}

void CHelpWindow::showContents() {
  QString html = "<h2>VelmorCfgEditor Help</h2><p>The editor shows a configuration as a tree of device "
                 "groups. Choose a topic:</p><ul>";
  for (const HelpPage& page : helpPages())
    html += QString("<li><a href=\"%1:%2\">%3</a></li>").arg(kScheme).arg(page.context).arg(page.title);
  html += "</ul>";
  browser_->setHtml(html);
  shown_ = kHelpContents;
  present();
}

void CHelpWindow::showContext(int context) {
  const HelpPage* page = findHelpPage(context);
  if (!page) {
    showContents();
    return;
  }
  browser_->setHtml(QString("<h2>%1</h2>%2<p><a href=\"%3:%4\">Contents</a></p>")
                        .arg(page->title, page->body, kScheme)
                        .arg(kHelpContents));
  shown_ = context;
  present();
}

void CHelpWindow::followLink(const QUrl& url) {
  if (url.scheme() != kScheme) return;
  bool ok = false;
  const int context = url.path().toInt(&ok);
  if (!ok || context == kHelpContents)
    showContents();
  else
    showContext(context);
}

void CHelpWindow::present() {
  show();
  raise();
  activateWindow();
}
