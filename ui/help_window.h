#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

// The editor's help: a browser over the pages of help_texts, opened on the
// contents or on one context.
class CHelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit CHelpWindow(QWidget* parent = nullptr);

  void showContents();
  // Falls back to the contents when no page answers the context.
  void showContext(int context);
  int shownContext() const { return shown_; }
  QTextBrowser* browser() const { return browser_; }

 private:
  void followLink(const QUrl& url);
  void present();

  QTextBrowser* browser_;
  int shown_ = -1;
};
