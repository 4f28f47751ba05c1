#pragma once

#include "config/document.h"

// A main window that only counts the document's reset-view requests.
class CountingWindow : public DocumentWindow {
 public:
  void resetView() override { ++resets; }
  WindowHandle mainWindowHandle() const override { return 0; }
  void switchToWindow(WindowHandle) override {}
  int resets = 0;
};
