#include "ui/startup.h"

#include <QCoreApplication>

#include "config/document.h"
#include "ui/main_frame.h"

void applyApplicationNames() {
  QCoreApplication::setOrganizationName("Tecorban");
  QCoreApplication::setApplicationName("Velmor11");
}

bool startEditor(CMainFrame& frame, CVelmorCfgEditorDoc& document, const QStringList& files) {
  // A save would drop those lines from the file; the user hears of them
  // once, at the open, for this file and every later one.
  document.setReportLostLines(true);
  if (!files.isEmpty()) {
    if (!frame.openFile(files.front())) return false;
  } else {
    document.OnNewDocument();
  }
  frame.show();
  frame.resetView();
  document.ReportPendingHostStatus();
  return true;
}
