// velmor-cfg-editor [FILE]: the configuration editor.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>

#include "config/document.h"
#include "platform/default_host_link.h"
#include "platform/qsettings_store.h"
#include "platform/qt_classes_registry.h"
#include "ui/about_dialog.h"
#include "ui/dialog_runner.h"
#include "ui/editor_view.h"
#include "ui/main_frame.h"
#include "ui/message_box_messages.h"
#include "ui/startup.h"

namespace {

// Qt aborts when it finds no display; say why and end cleanly instead.
bool haveDisplay() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
#else
  return true;
#endif
}

// While a screenshot is taken no message box may wait for a user: the
// messages go to standard error and questions are answered No.
class StderrMessages : public UserMessages {
 public:
  void warning(const std::string& text) override { std::fprintf(stderr, "warning: %s\n", text.c_str()); }
  void stop(const std::string& text) override { std::fprintf(stderr, "stop: %s\n", text.c_str()); }
  bool askYesNo(const std::string& text) override {
    std::fprintf(stderr, "question (answered No): %s\n", text.c_str());
    return false;
  }
};

// VELMOR_SCREENSHOT=file.png: save a picture of the main window and quit.
void scheduleScreenshot(CMainFrame& frame) {
  const QString path = qEnvironmentVariable("VELMOR_SCREENSHOT");
  if (path.isEmpty()) return;
  // Every group open, so the picture shows the devices and their states.
  QTreeWidget* tree = frame.view()->tree();
  tree->expandAll();
  tree->setCurrentItem(tree->topLevelItem(0));
  tree->scrollToTop();
  QTimer::singleShot(800, &frame, [&frame, path] {
    const bool saved = frame.grab().save(path);
    if (!saved) std::fprintf(stderr, "velmor-cfg-editor: cannot write %s\n", qPrintable(path));
    QApplication::exit(saved ? 0 : 1);
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (!haveDisplay()) {
    std::fprintf(stderr,
                 "velmor-cfg-editor: no display found (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are all "
                 "unset); the editor needs a graphical session.\n");
    return 2;
  }
  QApplication app(argc, argv);
  applyApplicationNames();
  QApplication::setWindowIcon(applicationIcon());

  QCommandLineParser parser;
  parser.setApplicationDescription("Editor of Velmor PDP-11 emulator configuration scripts");
  parser.addHelpOption();
  parser.addPositionalArgument("FILE", "Configuration file (.cfg) to open");
  parser.process(app);

  QSettingsStore settings;
  QtClassesRegistry classes;
  DefaultHostLink hostLink;
  MessageBoxMessages boxes;
  StderrMessages printed;
  const bool screenshot = !qEnvironmentVariableIsEmpty("VELMOR_SCREENSHOT");
  UserMessages& messages = screenshot ? static_cast<UserMessages&>(printed) : boxes;
  // The disabled sign is read here, once, as the document's configuration is made.
  CVelmorCfgEditorDoc document(messages, &settings, &hostLink);
  DialogRunner dialogs;
  CMainFrame frame(document, dialogs, &settings, &classes);
  boxes.setParent(&frame);

  if (!startEditor(frame, document, parser.positionalArguments())) return 1;
  scheduleScreenshot(frame);
  return app.exec();
}
