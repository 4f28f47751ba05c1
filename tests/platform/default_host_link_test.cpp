#include <gtest/gtest.h>

#include <filesystem>

#include "config/document.h"
#include "platform/default_host_link.h"
#include "support/recording_messages.h"
#include "support/test_files.h"

// Without the emulator product no other window can hold a file: every
// question answers "not open elsewhere", with or without a window slot, and
// the answer stays so after any status the editor reports.
TEST(DefaultHostLink, NoFileIsEverOpenElsewhere) {
  DefaultHostLink link;
  for (const int status : {1, 0, 1}) {
    link.SetDocStatus("/tmp/velmor.cfg", status, status ? 0x1234 : 0);
    std::uint32_t flags = kOpenElsewhere;  // what a caller's variable may hold before
    WindowHandle window = 0x5678;
    link.GetDocInformation("/tmp/velmor.cfg", flags, 0, &window);
    EXPECT_EQ(flags, 0u) << status;
    EXPECT_EQ(window, 0u) << status;
    flags = kOpenElsewhere;
    link.GetDocInformation("/tmp/velmor.cfg", flags, 0, nullptr);
    EXPECT_EQ(flags, 0u) << status;
  }
}

// The shipped editor's document opens a file and saves it under a new name
// with this link: open asks with a window slot, Save As without one.
TEST(DefaultHostLink, ADocumentOpensAndSavesAsANewFile) {
  const std::string dir = makeTempDir(), path = dir + "/first.cfg", copy = dir + "/copy.cfg";
  ASSERT_TRUE(writeBytes(path, "load MSCP DUA\n"));
  RecordingMessages messages;
  DefaultHostLink link;
  CVelmorCfgEditorDoc doc(messages, nullptr, &link);
  ASSERT_TRUE(doc.OnOpenDocument(path));
  EXPECT_EQ(doc.configuration().list(DeviceListId::Disks).size(), 1u);
  ASSERT_TRUE(doc.OnSaveDocument(copy));
  EXPECT_NE(readBytes(copy).find("load MSCP DUA"), std::string::npos);
  EXPECT_EQ(doc.configuration().currentPath, copy);
  EXPECT_EQ(messages.shown, std::vector<std::string>{});
  std::filesystem::remove_all(dir);
}
