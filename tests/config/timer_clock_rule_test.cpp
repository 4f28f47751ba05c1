#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/configuration.h"
#include "config/script_reader.h"
#include "support/recording_messages.h"

namespace {

// The disabled flags of a list after reading `text` into `config`.
std::vector<bool> disabledAfterReading(Configuration& config, const std::string& text, DeviceListId list) {
  RecordingMessages messages;
  EXPECT_TRUE(ReadScriptBytes(config, text, messages));
  EXPECT_TRUE(messages.shown.empty());
  std::vector<bool> flags;
  for (const auto& device : config.list(list)) flags.push_back(device->disabled);
  return flags;
}

}  // namespace

TEST(TimerClockRule, FirstEnabledOneInTheFileWins) {
  struct Case {
    const char* what;
    std::string text;
    DeviceListId list;
    std::vector<bool> disabled;
  } cases[] = {
      {"second timer", "load KW11-L KWA\nload KW11-L KWB\n", DeviceListId::Timers, {false, true}},
      {"other timer types count too", "load KWV11 KWA\nload KW11-W KWB\nload KW11-P KWC\n", DeviceListId::Timers,
       {false, true, true}},
      // a timer disabled in the file leaves the place to the next one
      {"disabled first", "#$load KW11-L KWA\nload KW11-L KWB\nload KW11-L KWC\n", DeviceListId::Timers,
       {true, false, true}},
      {"second clock", "load TOY TOA\nload TOY-CLOCK TOB\n", DeviceListId::Clocks, {false, true}},
      // timers and clocks are counted apart
      {"clock beside timer", "load KW11-L KWA\nload TOY TOA\n", DeviceListId::Clocks, {false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Configuration config;
    EXPECT_EQ(disabledAfterReading(config, c.text, c.list), c.disabled);
  }
}

TEST(TimerClockRule, AnActiveTimerAlreadyHeldCounts) {
  Configuration config;
  config.BuildDefaultConfiguration();  // holds the enabled KW11-L KWA
  EXPECT_EQ(disabledAfterReading(config, "load KW11-P KWB\nload TOY TOA\n", DeviceListId::Timers),
            (std::vector<bool>{false, true}));
  EXPECT_TRUE(config.HasActiveClock());
}
