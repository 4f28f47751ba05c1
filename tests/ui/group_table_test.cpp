#include "ui/group_table.h"

#include <gtest/gtest.h>

#include "config/configuration.h"
#include "config/document.h"
#include "support/recording_messages.h"
#include "ui/device_images.h"
#include "ui/help_texts.h"

namespace {

TEST(GroupTableTest, EveryAddCommandCreatesItsDevice) {
  for (const GroupInfo& info : groupTable())
    for (const AddCommand& add : info.adds) {
      RecordingMessages messages;
      CVelmorCfgEditorDoc doc(messages);
      const std::string name = doc.AddDevice(info.kind, add.typeWord);
      ASSERT_FALSE(name.empty()) << add.text;
      // Each lands in a list of its own group.
      bool found = false;
      for (DeviceListId list : listsOfGroup(info.group))
        for (const auto& device : doc.configuration().list(list)) found = found || device->name == name;
      EXPECT_TRUE(found) << add.text;
      EXPECT_TRUE(messages.shown.empty()) << add.text;
    }
}

TEST(GroupTableTest, TapeAndNetworkAddCommands) {
  auto texts = [](DeviceGroup group) {
    std::vector<std::string> texts;
    for (const AddCommand& add : groupInfo(group).adds) texts.push_back(add.text);
    return texts;
  };
  EXPECT_EQ(texts(DeviceGroup::Tapes), (std::vector<std::string>{"TMSCP", "TM11", "TS11", "TU16"}));
  const auto& networks = groupInfo(DeviceGroup::Networks).adds;
  ASSERT_GE(networks.size(), 3u);
  EXPECT_EQ(std::string(networks[2].prompt), "Add DESQA network adapter ");  // the blank is the program's own
}

TEST(GroupTableTest, HelpContexts) {
  const std::pair<DeviceGroup, int> expected[] = {
      {DeviceGroup::System, 9022},         {DeviceGroup::Disks, 10002},    {DeviceGroup::Tapes, 10003},
      {DeviceGroup::Serials, 10004},       {DeviceGroup::LinePrinters, 10006}, {DeviceGroup::Networks, 10007},
      {DeviceGroup::Va1000s, 10008},       {DeviceGroup::Bridges, 10009},  {DeviceGroup::Loaders, 10010},
      {DeviceGroup::TimerClock, 10011},    {DeviceGroup::Parallel, 10012}, {DeviceGroup::ROMs, 10014}};
  for (auto [group, context] : expected) {
    EXPECT_EQ(helpContextOf(group), context);
    EXPECT_NE(findHelpPage(context), nullptr) << context;
  }
  EXPECT_EQ(helpContextOf(std::nullopt), 10050);
  EXPECT_NE(findHelpPage(10050), nullptr);
}

TEST(GroupTableTest, SystemBorrowsTheDiskMenu) {
  EXPECT_EQ(menuGroupOf(DeviceGroup::System), DeviceGroup::Disks);
  EXPECT_EQ(menuGroupOf(std::nullopt), DeviceGroup::Disks);
  EXPECT_EQ(menuGroupOf(DeviceGroup::ROMs), DeviceGroup::ROMs);
}

TEST(DeviceImagesTest, Precedence) {
  EXPECT_EQ(chooseDeviceImage(ImageSet::Disk, true, true, true, true).state, ImageState::Disabled);
  EXPECT_EQ(chooseDeviceImage(ImageSet::Disk, false, true, true, true).state, ImageState::Conflict);
  EXPECT_EQ(chooseDeviceImage(ImageSet::Disk, false, false, true, true).state, ImageState::BusWarning);
  EXPECT_EQ(chooseDeviceImage(ImageSet::Disk, false, false, false, true).state, ImageState::Boot);
  // Kinds without a boot picture.
  EXPECT_EQ(chooseDeviceImage(ImageSet::Serial, false, false, false, true).state, ImageState::Normal);
  EXPECT_EQ(chooseGroupImage(ImageSet::Tape, 0, 0).state, ImageState::Normal);
  EXPECT_EQ(chooseGroupImage(ImageSet::Tape, 2, 2).state, ImageState::Disabled);
  EXPECT_EQ(chooseGroupImage(ImageSet::Tape, 2, 1).state, ImageState::Normal);
}

TEST(DeviceImagesTest, EveryImageIsDrawnAndDistinct) {
  const QImage normal = drawImage({ImageSet::Disk, ImageState::Normal}).toImage();
  for (ImageState state : {ImageState::Disabled, ImageState::Conflict, ImageState::BusWarning, ImageState::Boot}) {
    const QImage other = drawImage({ImageSet::Disk, state}).toImage();
    EXPECT_EQ(other.size(), QSize(16, 16));
    EXPECT_NE(other, normal);
  }
  EXPECT_NE(drawImage({ImageSet::Tape, ImageState::Normal}).toImage(), normal);
}

}  // namespace
