#include <cstdlib>
#include <string>
#include <vector>

#include "cli/tool.h"

#ifdef VELMOR_WITH_PLATFORM
#include "platform/qsettings_store.h"
#endif

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // The script's CR LF line ends are written as they are, never doubled.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  ToolContext context;
#ifdef VELMOR_WITH_PLATFORM
  // The editor's stored disabled sign, where the settings key exists.
  const QSettingsStore settings;
  context.storedSettings = &settings;
#endif
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) context.sourceDateEpoch = epoch;
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
  return runTool(args, context);
}
