#pragma once

#include <QStringList>

class CMainFrame;
class CVelmorCfgEditorDoc;

// The organisation's and the application's names, before any settings are
// read: the framework keeps its own settings, with the recent-file list,
// under "Tecorban\Velmor11".
void applyApplicationNames();

// The start-up after the application, document and main window exist: the
// document is told to report the lines an opened file loses, the
// command-line file is opened (a new document without one), the window is
// shown and the host-link status left by the open is reported with the
// window's handle. False, with the window never shown, when the file could
// not be opened: the editor then ends.
bool startEditor(CMainFrame& frame, CVelmorCfgEditorDoc& document, const QStringList& files);
