#include <gtest/gtest.h>

#include <algorithm>

#include "config/configuration.h"
#include "config/script_reader.h"
#include "config/script_writer.h"
#include "devices/device_registry.h"
#include "devices/model_tables.h"
#include "devices/velmor_unit_device.h"
#include "support/recording_messages.h"

namespace {

// Every word a `load` accepts, kind by kind: type words, model words, aliases.
std::vector<std::pair<std::string, std::string>> everyLoadWord() {
  std::vector<std::pair<std::string, std::string>> words;
  for (const LoadableKind& kind : loadOrder())
    for (const ModelDescriptor& row : ModelTable::instance().rowsOf(kind.className)) {
      words.emplace_back(kind.className, row.type);
      if (!row.model.empty()) words.emplace_back(kind.className, row.model);
    }
  return words;
}

}  // namespace

// A device as any load word creates it, and then given each of its model
// rows through a `model` key, must read back with the same register, vectors,
// priority and unit count: the writer compares with what reading gives back.
TEST(RoundTrip, EveryLoadWordAndModelKeepsItsAddresses) {
  for (const auto& [className, word] : everyLoadWord()) {
    const LoadableKind* kind = findLoadableKind(className);
    ASSERT_NE(kind, nullptr);
    std::unique_ptr<VelmorBusDevice> device = createDevice(*kind, word, "DEV");
    for (const std::string& model : ModelTable::instance().modelWords(className, device->type)) {
      std::unique_ptr<VelmorDevice> copy = device->clone();
      auto& edited = static_cast<VelmorBusDevice&>(*copy);
      if (!model.empty()) edited.parseSetStatement("set DEV model=\"" + model + "\"");
      edited.applyModelDefaults(true);

      Configuration original;
      original.append(std::unique_ptr<VelmorBusDevice>(static_cast<VelmorBusDevice*>(copy.release())));
      const std::string text = FormatScript(original);
      Configuration back;
      RecordingMessages messages;
      ReadScriptBytes(back, text, messages);
      const VelmorBusDevice& before = *original.list(Configuration::listFor(edited)).at(0);
      VelmorBusDevice* after = back.FindBusDevice("DEV");
      ASSERT_NE(after, nullptr) << className << " " << word << " " << model;
      const std::string what = std::string(className) + " " + word + " model " + model + "\n" + text;
      EXPECT_EQ(after->type, before.type) << what;
      EXPECT_EQ(after->model, before.model) << what;
      EXPECT_EQ(after->registerAddress, before.registerAddress) << what;
      EXPECT_EQ(after->vector, before.vector) << what;
      EXPECT_EQ(after->priority, before.priority) << what;
      EXPECT_EQ(after->units, before.units) << what;
      EXPECT_EQ(after->checkedVectors(false), before.checkedVectors(false)) << what;
      EXPECT_EQ(FormatScript(back).substr(FormatScript(back).find("#OS")), text.substr(text.find("#OS"))) << what;
    }
  }
}

// The General page offers a type only when a device given it reads back as
// that type; RX211, whose word loads as RXV21, is the one type it leaves out.
TEST(RoundTrip, EveryTypeTheSheetOffersReadsBackAsItself) {
  std::vector<std::string> leftOut;
  for (const LoadableKind& kind : loadOrder()) {
    const ModelTable& table = ModelTable::instance();
    const std::vector<std::string> offered = table.typeWordsThatReadBack(kind.className);
    for (const std::string& type : table.typeWords(kind.className))
      if (std::find(offered.begin(), offered.end(), type) == offered.end()) leftOut.push_back(type);
    for (const std::string& type : offered) {
      std::unique_ptr<VelmorBusDevice> device = createDevice(kind, type, "DEV");
      device->setType(type);
      Configuration original;
      original.append(std::move(device));
      const std::string text = FormatScript(original);
      Configuration back;
      RecordingMessages messages;
      ReadScriptBytes(back, text, messages);
      const VelmorBusDevice* after = back.FindBusDevice("DEV");
      ASSERT_NE(after, nullptr) << text;
      EXPECT_EQ(after->type, type) << text;
      EXPECT_EQ(after->className(), std::string_view(kind.className)) << text;
    }
  }
  EXPECT_EQ(leftOut, (std::vector<std::string>{"RX211"}));
}

// Comment texts that would read back as a header, the target OS or a
// statement keep a mark after their "#" and stay comments.
TEST(RoundTrip, CommentsThatLookLikeOtherLinesStayComments) {
  for (const std::string sign : {"#$", "#", "!"}) {
    Configuration config;
    config.disabledSign = sign;
    RecordingMessages messages;
    ASSERT_TRUE(ReadScriptBytes(config, "load MSCP DUA\nload DL11 YLA\nset YLA line[0]=\"run terminal\"\n", messages));
    auto& dua = *config.list(DeviceListId::Disks).at(0);
    dua.comments = "OS notes\r\n# inner\r\n$load RL11 X\r\nload RL11 Y\r\n set x=1\r\nplain";
    config.list(DeviceListId::Serials).at(0)->parseSetStatement("set YLA line[0]=\"run terminal\"");
    static_cast<VelmorUnitDevice&>(*config.list(DeviceListId::Serials).at(0)).unit(0).comments = "!load RL11 Z";
    const std::string text = FormatScript(config);

    Configuration back;
    back.disabledSign = sign;
    ReadScriptBytes(back, text, messages);
    EXPECT_EQ(back.targetOs, "Windows NT 4.0") << sign << "\n" << text;
    EXPECT_EQ(back.list(DeviceListId::Disks).size(), 1u) << sign << "\n" << text;
    EXPECT_EQ(back.list(DeviceListId::Serials).size(), 1u) << sign;
    const std::string& comments = back.list(DeviceListId::Disks).at(0)->comments;
    for (const char* kept : {"OS notes", "# inner", "$load RL11 X", "load RL11 Y", "set x=1", "plain"})
      EXPECT_NE(comments.find(kept), std::string::npos) << sign << ": " << kept << "\n" << comments;
    EXPECT_NE(static_cast<VelmorUnitDevice&>(*back.list(DeviceListId::Serials).at(0)).unit(0).comments.find(
                  "!load RL11 Z"),
              std::string::npos)
        << sign;
    // A second save writes the same text: the marks do not pile up.
    EXPECT_EQ(FormatScript(back).substr(text.find("#OS")), text.substr(text.find("#OS"))) << sign;
  }
}

// Empty comment lines before a unit's statements, first and last included,
// are kept by every save: none is dropped without a word.
TEST(RoundTrip, EmptyCommentLinesOfUnitsAreKept) {
  const std::string script =
      "load DL11 YLA\r\n#\r\n# note\r\n#\r\nset YLA line[0]=\"t\"\r\n"
      "load MSCP DUA\r\n#\r\n#\r\nset DUA file[0]=a.dsk\r\n";
  Configuration config;
  RecordingMessages messages;
  ReadReport report;
  ASSERT_TRUE(ReadScriptBytes(config, script, messages, &report));
  EXPECT_TRUE(report.lost.empty());
  const auto& yla = static_cast<const VelmorUnitDevice&>(*config.list(DeviceListId::Serials).at(0));
  const auto& dua = static_cast<const VelmorUnitDevice&>(*config.list(DeviceListId::Disks).at(0));
  EXPECT_EQ(yla.unit(0).comments, "\r\n note\r\n");
  EXPECT_EQ(dua.unit(0).comments, "\r\n");

  const std::string saved = FormatScript(config);
  Configuration back;
  ReadReport backReport;
  ASSERT_TRUE(ReadScriptBytes(back, saved, messages, &backReport));
  EXPECT_TRUE(backReport.lost.empty()) << saved;
  EXPECT_EQ(static_cast<const VelmorUnitDevice&>(*back.list(DeviceListId::Serials).at(0)).unit(0).comments,
            yla.unit(0).comments)
      << saved;
  EXPECT_EQ(static_cast<const VelmorUnitDevice&>(*back.list(DeviceListId::Disks).at(0)).unit(0).comments,
            dua.unit(0).comments)
      << saved;
  EXPECT_EQ(FormatScript(back), saved);
}

// A `units` count raised, used by a unit key and lowered again leaves a unit
// that the saved file could not give back: it is not written (nor a boot from
// it), so the saved file reads back without a refusal and saves the same.
TEST(RoundTrip, UnitsBeyondALoweredCountAreNotWritten) {
  struct Case {
    const char* script;
    const char* kept;     // the unit line the save must keep
    const char* dropped;  // the unit line it must not write
  } cases[] = {
      {"load MSCP DUA\nset DUA units=6.\nset DUA file[1]=a file[5]=x\nset DUA units=3.\nload RL11 DLA\nboot DUA 5\n",
       "set DUA file[1]=\"a\"", "file[5]"},
      {"load TM11 MTA\nset MTA units=12.\nset MTA file[10]=t\nset MTA units=9.\nset MTA file[2]=b\n",
       "set MTA file[2]=\"b\"", "file[10]"},
      {"load DZ11 YZA\nset YZA units=12.\nset YZA line[9]=\"COM9:\"\nset YZA units=9.\nset YZA line[8]=\"COM8:\"\n",
       "set YZA line[8]=\"COM8:\"", "line[9]"},
      // The lines a `model` key made for a raised count come back too.
      {"load DZ11 YZA\nset YZA units=12.\nset YZA model=DZV11\nset YZA line[11]=\"COM11:\"\n",
       "set YZA line[11]=\"COM11:\"", "line[12]"},
      // Units a `model` key made for a raised count, then the count lowered.
      {"load RH11 DRA\nset DRA units=12.\nset DRA model=RM03\nset DRA file[10]=m\nset DRA units=4.\nset DRA file[3]=c\n",
       "set DRA file[3]=\"c\"", "file[10]"},
  };
  for (const Case& c : cases) {
    Configuration config;
    RecordingMessages messages;
    ASSERT_TRUE(ReadScriptBytes(config, c.script, messages)) << c.script;
    const std::string text = FormatScript(config);
    EXPECT_NE(text.find(c.kept), std::string::npos) << text;
    EXPECT_EQ(text.find(c.dropped), std::string::npos) << text;
    EXPECT_EQ(text.find("boot "), std::string::npos) << text;

    Configuration back;
    RecordingMessages backMessages;
    EXPECT_TRUE(ReadScriptBytes(back, text, backMessages)) << text;
    EXPECT_TRUE(backMessages.shown.empty()) << text;
    EXPECT_EQ(FormatScript(back).substr(text.find("#OS")), text.substr(text.find("#OS"))) << text;
  }
}

// A model word without a row of its own changes none of the type's values, so
// what differs from the type's row is written and read back unchanged.
TEST(RoundTrip, UnknownModelKeepsRegisterVectorAndUnits) {
  Configuration config;
  RecordingMessages messages;
  ASSERT_TRUE(ReadScriptBytes(config,
                              "load RH11 DRA\nset DRA units=16. register=17776500 vector=230\nset DRA model=FOO\n"
                              "set DRA file[12]=u12.dsk\n",
                              messages));
  const std::string text = FormatScript(config);
  Configuration back;
  EXPECT_TRUE(ReadScriptBytes(back, text, messages)) << text;
  EXPECT_TRUE(messages.shown.empty()) << text;
  const auto& dra = static_cast<VelmorUnitDevice&>(*back.FindBusDevice("DRA"));
  EXPECT_EQ(dra.model, "FOO");
  EXPECT_EQ(dra.registerAddress, 017776500);
  EXPECT_EQ(dra.vector, 0230);
  EXPECT_EQ(dra.units, 16);
  ASSERT_GT(dra.unitCount(), 12u) << text;
  EXPECT_EQ(dra.unit(12).file, "u12.dsk");
}

// What a save writes of some rows: what differs from them, and nothing that
// does not.
TEST(RoundTrip, WrittenLinesOfSomeRows) {
  const struct {
    const char* script;
    const char* written;
    const char* notWritten;
  } rows[] = {
      {"load KWV11 KWA\nset KWA internal_only=1\n", "\nset KWA internal_only=1\n", "model="},
      // An alias loads its type and names no model.
      {"load TE16 MMA\n", "\nload TU16 MMA\n", "model="},
      // A model in lower case still finds its own unit defaults row.
      {"load LP11 LPA\nset LPA model=lxy11\nset LPA line=\"x\" bits[0]=10\n", "\nset LPA line[0]=\"x\"", "bits["},
  };
  for (const auto& row : rows) {
    Configuration config;
    RecordingMessages messages;
    ASSERT_TRUE(ReadScriptBytes(config, row.script, messages)) << row.script;
    std::string text = FormatScript(config);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    const std::string devices = text.substr(text.find("\nload "));
    EXPECT_NE(devices.find(row.written), std::string::npos) << row.script << "\n" << devices;
    EXPECT_EQ(devices.find(row.notWritten), std::string::npos) << row.script << "\n" << devices;
  }
}

// A KWV11 lines text with white space before a "#" word reads back as the
// same text, not as a shorter text and a comment.
TEST(RoundTrip, TimerLinesWithAHashWordStayWhole) {
  Configuration config;
  RecordingMessages messages;
  ASSERT_TRUE(ReadScriptBytes(config, "load KWV11 KWA\nset KWA lines=\"a\t#b\"\n", messages));
  const std::string text = FormatScript(config);
  Configuration back;
  ASSERT_TRUE(ReadScriptBytes(back, text, messages)) << text;
  const VelmorBusDevice& kwa = *back.list(DeviceListId::Timers).at(0);
  EXPECT_EQ(kwa.comments, "") << text;
  EXPECT_EQ(FormatScript(back).substr(text.find("#OS")), text.substr(text.find("#OS")));
}

// A boot from a unit that only a raised count gives (a unit without a file,
// so no line of its own) reads back like a unit key on it would.
TEST(RoundTrip, BootFromAUnitOfARaisedCount) {
  for (const char* script : {"load MSCP DUA\nset DUA units=10.\nset DUA writeprotect[7]=1\nboot DUA 7\n",
                             "load TS11 MSA\nset MSA units=10.\nboot MSA 6\n"}) {
    Configuration config;
    RecordingMessages messages;
    ASSERT_TRUE(ReadScriptBytes(config, script, messages)) << script;
    EXPECT_TRUE(messages.shown.empty()) << script;
    const std::string text = FormatScript(config);
    Configuration back;
    EXPECT_TRUE(ReadScriptBytes(back, text, messages)) << text;
    EXPECT_TRUE(messages.shown.empty()) << text;
    EXPECT_EQ(FormatScript(back).substr(text.find("#OS")), text.substr(text.find("#OS"))) << text;
    EXPECT_NE(text.find("\nboot "), std::string::npos) << text;
  }
}
