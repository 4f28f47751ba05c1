#include <gtest/gtest.h>

#include <deque>

#include "config/document.h"
#include "devices/model_tables.h"
#include "devices/velmor_unit_device.h"
#include "support/recording_messages.h"

namespace {

// Confirms or cancels sheets as scripted (confirm when nothing is left).
class ScriptedSheets : public PropertySheetOpener {
 public:
  bool openPropertySheet(const std::string& name) override {
    opened.push_back(name);
    if (answers.empty()) return true;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<bool> answers;
  std::vector<std::string> opened;
};

struct EditingTest : ::testing::Test {
  void SetUp() override {
    doc.OnNewDocument();
    doc.setPropertySheets(&sheets);
  }
  VelmorBusDevice& device(const std::string& name) { return *doc.configuration().FindBusDevice(name); }

  RecordingMessages messages;
  ScriptedSheets sheets;
  CVelmorCfgEditorDoc doc{messages};
};

}  // namespace

TEST_F(EditingTest, NamesFillTheFirstGap) {
  EXPECT_EQ(doc.AddDevice(AddKind::Disk, "MSCP"), "DUA");
  EXPECT_EQ(doc.AddDevice(AddKind::Disk, "MSCP"), "DUB");
  EXPECT_EQ(doc.AddDevice(AddKind::Disk, "MSCP"), "DUC");
  doc.RemoveDevice("dub");
  EXPECT_EQ(doc.AddDevice(AddKind::Disk, "MSCP"), "DUB");
  EXPECT_EQ(sheets.opened, (std::vector<std::string>{"DUA", "DUB", "DUC", "DUB"}));
}

TEST_F(EditingTest, UniqueNameIsBounded) {
  Configuration& config = doc.configuration();
  EXPECT_EQ(config.UniqueName("XX"), "XXA");
  // After Z come the character codes up to "~": the 27th disk is "DU[".
  for (int i = 0; i < 26; ++i) doc.AddDevice(AddKind::Disk, "MSCP");
  EXPECT_EQ(config.UniqueName("DU"), "DU[");
  EXPECT_TRUE(config.NameExists("CPU"));
  EXPECT_TRUE(config.NameExists("mmu"));
}

TEST_F(EditingTest, FurtherControllersArePlacedAfterTheOthers) {
  const ModelTable& table = ModelTable::instance();
  doc.AddDevice(AddKind::Disk, "MSCP");
  const std::int32_t mscpRegister = device("DUA").registerAddress, mscpVector = device("DUA").vector;
  EXPECT_EQ(mscpRegister, table.registerChoices("VelmorDiskDevice", "MSCP", "").front());  // first: defaults
  doc.AddDevice(AddKind::Disk, "MSCP");
  EXPECT_EQ(device("DUB").registerAddress, mscpRegister + table.areaSizeOf("VelmorDiskDevice", "MSCP", ""));
  EXPECT_EQ(device("DUB").vector, mscpVector + 2);

  // A third goes after the highest of the two, not after the first.
  doc.AddDevice(AddKind::Disk, "MSCP");
  EXPECT_EQ(device("DUC").registerAddress, mscpRegister + 2 * table.areaSizeOf("VelmorDiskDevice", "MSCP", ""));
  EXPECT_EQ(device("DUC").vector, mscpVector + 4);
  for (const char* name : {"DUA", "DUB", "DUC"}) EXPECT_FALSE(doc.checker().hasConflict(name)) << name;

  // The first RL11 moves off its defaults because the list holds an MSCP.
  const std::string rl = doc.AddDevice(AddKind::Disk, "RL11");
  EXPECT_EQ(rl, "DLA");
  EXPECT_EQ(device("DLA").vector, table.vectorChoices("VelmorDiskDevice", "RL11", "").front() + 2);
  EXPECT_EQ(device("DLA").registerAddress, table.registerChoices("VelmorDiskDevice", "RL11", "").front() +
                                               table.areaSizeOf("VelmorDiskDevice", "RL11", ""));
}

TEST_F(EditingTest, CancelledAddLeavesTheDevicesButMarksModified) {
  doc.AddDevice(AddKind::Disk, "MSCP");
  doc.setModified(false);
  sheets.answers = {false};
  EXPECT_EQ(doc.AddDevice(AddKind::Disk, "RL11"), "");
  EXPECT_EQ(doc.configuration().list(DeviceListId::Disks).size(), 1u);
  EXPECT_FALSE(doc.checker().hasConflict("DLA"));
  EXPECT_TRUE(doc.isModified());
}

TEST_F(EditingTest, OneActiveTimerAndClock) {
  EXPECT_EQ(doc.AddDevice(AddKind::TimerOrClock, "KW11-L"), "KWA");
  EXPECT_EQ(doc.AddDevice(AddKind::TimerOrClock, "KW11-L"), "");
  EXPECT_EQ(messages.shown.back(), "stop: Active timer device already exists.");
  doc.Disable("KWA");
  const std::string second = doc.AddDevice(AddKind::TimerOrClock, "KW11-L");
  ASSERT_EQ(second, "KWB");
  EXPECT_FALSE(doc.Enable("KWA"));
  EXPECT_EQ(messages.shown.back(), "stop: Active timer device already exists");
  EXPECT_TRUE(doc.configuration().IsDeviceDisabled("KWA"));
  doc.Disable("KWB");
  EXPECT_TRUE(doc.Enable("kwa"));

  const std::string clock = doc.AddDevice(AddKind::TimerOrClock, "TOY");
  ASSERT_FALSE(clock.empty());
  EXPECT_EQ(doc.AddDevice(AddKind::TimerOrClock, "TOY"), "");
  EXPECT_EQ(messages.shown.back(), "stop: Active clock device already exists.");
  doc.Disable(clock);
  const std::string secondClock = doc.AddDevice(AddKind::TimerOrClock, "TOY");
  ASSERT_FALSE(secondClock.empty());
  EXPECT_FALSE(doc.Enable(clock));
  EXPECT_EQ(messages.shown.back(), "stop: Active clock device already exists");
  EXPECT_TRUE(doc.configuration().IsDeviceDisabled(clock));
}

// Enable marks the document modified even when it is refused, and so do
// the group operations: closing must ask to save what they changed.
TEST_F(EditingTest, WhichOperationsMarkTheDocumentModified) {
  doc.AddDevice(AddKind::TimerOrClock, "KW11-L");
  doc.Disable("KWA");
  doc.setModified(false);
  EXPECT_TRUE(doc.Enable("KWA"));
  EXPECT_TRUE(doc.isModified());
  doc.Disable("KWA");
  ASSERT_EQ(doc.AddDevice(AddKind::TimerOrClock, "KW11-L"), "KWB");
  doc.setModified(false);
  EXPECT_FALSE(doc.Enable("KWA"));
  EXPECT_TRUE(doc.isModified());
  doc.setModified(false);
  EXPECT_TRUE(doc.SetGroupEnabled(DeviceGroup::TimerClock, false));
  EXPECT_TRUE(doc.isModified());
}

TEST_F(EditingTest, ParallelInterfacesOnlyUnderWinNt) {
  const std::string name = doc.AddDevice(AddKind::Parallel, "DRXXX");
  ASSERT_FALSE(name.empty());
  doc.Disable(name);
  doc.SetTargetOs("Open VMS");
  EXPECT_FALSE(doc.Enable(name));
  EXPECT_EQ(messages.shown.back(),
            "stop: Parallel interfaces like DRXXX, DRV11 & DR11-C are only available under WINNT");
  // Enable Group keeps the same rule, with the message once.
  const std::string second = doc.AddDevice(AddKind::Parallel, "DRV11");
  doc.Disable(second);
  messages.shown.clear();
  EXPECT_TRUE(doc.SetGroupEnabled(DeviceGroup::Parallel, true));
  EXPECT_TRUE(doc.configuration().IsDeviceDisabled(name));
  EXPECT_TRUE(doc.configuration().IsDeviceDisabled(second));
  EXPECT_EQ(messages.shown, (std::vector<std::string>{
                                "stop: Parallel interfaces like DRXXX, DRV11 & DR11-C are only available under WINNT"}));
  doc.SetTargetOs("Windows NT 4.0");
  EXPECT_TRUE(doc.Enable(name));
  EXPECT_TRUE(doc.SetGroupEnabled(DeviceGroup::Parallel, true));
  EXPECT_FALSE(doc.configuration().IsDeviceDisabled(second));
}

TEST_F(EditingTest, TimerAndClockGroup) {
  EXPECT_FALSE(doc.SetGroupEnabled(DeviceGroup::TimerClock, false));  // empty group
  doc.AddDevice(AddKind::TimerOrClock, "KW11-L");
  doc.Disable("KWA");
  doc.AddDevice(AddKind::TimerOrClock, "KW11-L");
  EXPECT_TRUE(doc.SetGroupEnabled(DeviceGroup::TimerClock, false));
  EXPECT_TRUE(doc.configuration().IsDeviceDisabled("KWA"));
  EXPECT_TRUE(doc.configuration().IsDeviceDisabled("KWB"));
  EXPECT_TRUE(doc.SetGroupEnabled(DeviceGroup::TimerClock, true));
  EXPECT_FALSE(doc.configuration().IsDeviceDisabled("KWA"));  // only the first timer
  EXPECT_TRUE(doc.configuration().IsDeviceDisabled("KWB"));
  EXPECT_FALSE(doc.SetGroupEnabled(DeviceGroup::System, true));
  // Likewise only the first clock.
  const std::string first = doc.AddDevice(AddKind::TimerOrClock, "TOY");
  doc.Disable(first);
  const std::string second = doc.AddDevice(AddKind::TimerOrClock, "TOY");
  doc.Disable(second);
  EXPECT_TRUE(doc.SetGroupEnabled(DeviceGroup::TimerClock, true));
  EXPECT_FALSE(doc.configuration().IsDeviceDisabled(first));
  EXPECT_TRUE(doc.configuration().IsDeviceDisabled(second));
}

// Disabling a disabled device changes nothing, so no save is asked for.
TEST_F(EditingTest, DisablingTwiceLeavesTheDocumentUnmodified) {
  doc.AddDevice(AddKind::Disk, "MSCP");
  doc.Disable("DUA");
  doc.setModified(false);
  doc.Disable("DUA");
  EXPECT_FALSE(doc.isModified());
}

TEST_F(EditingTest, ConflictsFollowEnableAndDisable) {
  doc.AddDevice(AddKind::Disk, "RL11");
  doc.AddDevice(AddKind::Disk, "RL11");
  auto& dlb = device("DLB");
  dlb.registerAddress = device("DLA").registerAddress;
  dlb.vector = device("DLA").vector;
  doc.checker().remove("DLB");
  doc.checker().addDevice(dlb);
  EXPECT_TRUE(doc.checker().hasConflict("DLA"));
  doc.Disable("DLB");
  EXPECT_FALSE(doc.checker().hasConflict("DLA"));
  EXPECT_TRUE(doc.Enable("DLB"));
  EXPECT_TRUE(doc.checker().hasConflict("DLA"));
  // The group operations tell the checker too.
  EXPECT_TRUE(doc.SetGroupEnabled(DeviceGroup::Disks, false));
  EXPECT_FALSE(doc.checker().hasConflict("DLA"));
  EXPECT_TRUE(doc.SetGroupEnabled(DeviceGroup::Disks, true));
  EXPECT_TRUE(doc.checker().hasConflict("DLA"));
}

TEST_F(EditingTest, ClearOtherBootDevices) {
  Configuration& config = doc.configuration();
  doc.AddDevice(AddKind::Disk, "MSCP");
  doc.AddDevice(AddKind::Disk, "MSCP");
  auto& dua = static_cast<VelmorUnitDevice&>(device("DUA"));
  auto& dub = static_cast<VelmorUnitDevice&>(device("DUB"));
  dua.unit(1).setBoot(true);
  config.ClearOtherBootDevices(&dub);  // DUB has no boot unit: nothing happens
  EXPECT_EQ(dua.bootUnitNumber(), 1);
  dub.unit(0).setBoot(true);
  config.ClearOtherBootDevices(&dub);
  EXPECT_EQ(dua.bootUnitNumber(), -1);
  EXPECT_EQ(dub.bootUnitNumber(), 0);
  config.ClearOtherBootDevices(nullptr);
  EXPECT_EQ(dub.bootUnitNumber(), -1);
}

// A device added after another of its list takes free addresses; what the
// save writes of them must read back, also for kinds whose set takes no
// vector (the vector they are placed on is then not written).
TEST_F(EditingTest, TwoOfEveryKindSaveAFileThatReadsBack) {
  const std::pair<AddKind, const char*> kinds[] = {
      {AddKind::Disk, "MSCP"},      {AddKind::Tape, "TS11"},          {AddKind::Serial, "DL11"},
      {AddKind::Network, "DELQA"},  {AddKind::Va1000, "VA1000"},      {AddKind::Bridge, "QBUS-BRIDGE"},
      {AddKind::Parallel, "DRXXX"}, {AddKind::TimerOrClock, "KW11-L"}, {AddKind::TimerOrClock, "TOY"},
      {AddKind::Loader, "LOADER"},  {AddKind::ROM, "ROM"},
  };
  for (const auto& [kind, type] : kinds) {
    const std::string first = doc.AddDevice(kind, type);
    ASSERT_FALSE(first.empty()) << type;
    // One timer and one clock may be enabled: the first steps aside.
    if (kind == AddKind::TimerOrClock) doc.Disable(first);
    ASSERT_FALSE(doc.AddDevice(kind, type).empty()) << type;
  }
  const std::string text = FormatScript(doc.configuration());
  Configuration back;
  RecordingMessages backMessages;
  ReadReport report;
  EXPECT_TRUE(ReadScriptBytes(back, text, backMessages, &report)) << text;
  EXPECT_TRUE(backMessages.shown.empty()) << backMessages.shown.front() << "\n" << text;
  EXPECT_TRUE(report.lost.empty()) << report.lost.front().text << "\n" << text;
  const std::string again = FormatScript(back);
  EXPECT_EQ(again.substr(again.find("#OS")), text.substr(text.find("#OS")));
}
