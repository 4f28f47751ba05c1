#pragma once

#include <memory>

#include "config/document.h"

class DialogRunner;
class QWidget;

// The property sheets the editor opens; they run through the editor's dialog
// runner like every other modal step.
std::unique_ptr<PropertySheetOpener> makePropertySheetOpener(CVelmorCfgEditorDoc& document, DialogRunner& dialogs,
                                                             QWidget* parent);
