// Any bytes in: the reader must not crash, and whatever it keeps must be saved
// in a layout that reads back whole, with no message and no lost line, and
// saves again to the same bytes. Run by tools/fuzz.sh read.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "check/conflict_checker.h"
#include "config/configuration.h"
#include "config/script_reader.h"
#include "config/script_writer.h"
#include "tools/fuzz/saved_text_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  Configuration config;
  config.disabledSign = kFuzzedSigns[data[0] % 3];
  CountingMessages messages;
  ReadReport report;
  if (!ReadScriptBytes(config, std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), messages, &report))
    return 0;
  ConflictChecker checker;
  checker.build(config);
  checkSavedTextReadsBack(config, FormatScript(config));
  return 0;
}
