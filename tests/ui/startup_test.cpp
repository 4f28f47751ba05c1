#include "ui/startup.h"

#include <gtest/gtest.h>

#include "config/host_link.h"
#include "ui/main_frame.h"
#include "ui_fixtures.h"

namespace {

class RecordingHostLink : public HostLink {
 public:
  void GetDocInformation(const std::string&, std::uint32_t& flags, int, WindowHandle*) override { flags = 0; }
  void SetDocStatus(const std::string& path, int status, WindowHandle window) override {
    calls.push_back({path, status, window});
  }
  struct Call {
    std::string path;
    int status;
    WindowHandle window;
  };
  std::vector<Call> calls;
};

struct StartupTest : ::testing::Test {
  static void SetUpTestSuite() { useTestSettings(); }
  RecordingMessages messages;
  RecordingHostLink hostLink;
  CVelmorCfgEditorDoc doc{messages, nullptr, &hostLink};
  ScriptedDialogs dialogs;
  CMainFrame frame{doc, dialogs, nullptr, nullptr, std::make_unique<RecordingSheets>()};
  std::string dir = makeTempDir();
};

TEST_F(StartupTest, OpenedFileIsReportedWithTheShownWindow) {
  const std::string path = dir + "/start.cfg";
  writeBytes(path, "load MSCP DUA\n");
  ASSERT_TRUE(startEditor(frame, doc, {QString::fromStdString(path)}));
  EXPECT_TRUE(frame.isVisible());
  ASSERT_EQ(hostLink.calls.size(), 1u);
  EXPECT_EQ(hostLink.calls[0].path, path);
  EXPECT_EQ(hostLink.calls[0].status, 1);
  EXPECT_NE(hostLink.calls[0].window, 0u);
  EXPECT_EQ(frame.view()->deviceNode("DUA") != nullptr, true);
  frame.hide();
}

TEST_F(StartupTest, FailedOpenEndsBeforeTheWindowShows) {
  EXPECT_FALSE(startEditor(frame, doc, {QString::fromStdString(dir + "/missing.cfg")}));
  EXPECT_FALSE(frame.isVisible());
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(hostLink.calls.empty());
}

TEST_F(StartupTest, NoFileGivesANewDocument) {
  ASSERT_TRUE(startEditor(frame, doc, {}));
  EXPECT_EQ(frame.titleText().toStdString(), "Untitled - VelmorCfgEditor");
  EXPECT_TRUE(hostLink.calls.empty());
  frame.hide();
}

}  // namespace
