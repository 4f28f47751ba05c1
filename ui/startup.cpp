#include "ui/startup.h"

#include "config/document.h"
#include "ui/main_frame.h"

bool startEditor(CMainFrame& frame, CVelmorCfgEditorDoc& document, const QStringList& files) {
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
