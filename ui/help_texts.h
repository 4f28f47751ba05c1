#pragma once

#include <span>

// One page of the editor's own help: the context it answers, its title and
// its body in simple HTML.
struct HelpPage {
  int context;
  const char* title;
  const char* body;
};

// The contents page lists every other page.
inline constexpr int kHelpContents = 0;

std::span<const HelpPage> helpPages();
// The page for a context; nullptr when there is none.
const HelpPage* findHelpPage(int context);
