#pragma once

#include <memory>

#include "config/document.h"

class QWidget;

// The one place that decides which property sheets the editor opens; the
// sheets' own code replaces this function's body.
std::unique_ptr<PropertySheetOpener> makePropertySheetOpener(CVelmorCfgEditorDoc& document, QWidget* parent);
