#include "ui/startup.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

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

// A save would silently drop what reading could not keep, so the editor
// names those lines at the open: the command-line file's and a later one's.
TEST_F(StartupTest, LinesAFileLosesAreToldAtTheOpen) {
  const std::string path = dir + "/lossy.cfg";
  writeBytes(path, "load MSCP DUA\nboot DUA 0\nload MSCP DUB\n");
  const std::string told = "warning: Some lines of " + path +
                           " cannot be kept by the editor. Saving will not write them back to the file:\n"
                           "\nline 3: load MSCP DUB";
  ASSERT_TRUE(startEditor(frame, doc, {QString::fromStdString(path)}));
  EXPECT_EQ(messages.shown, std::vector<std::string>{told});
  frame.hide();
}

TEST_F(StartupTest, LinesALaterFileLosesAreToldToo) {
  ASSERT_TRUE(startEditor(frame, doc, {}));
  const std::string path = dir + "/later.cfg";
  writeBytes(path, "load MSCP DUA\nboot DUA 0\nload MSCP DUB\n");
  ASSERT_TRUE(frame.openFile(QString::fromStdString(path)));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].ends_with("\nline 3: load MSCP DUB")) << messages.shown[0];
  frame.hide();
}

TEST_F(StartupTest, NoFileGivesANewDocument) {
  ASSERT_TRUE(startEditor(frame, doc, {}));
  EXPECT_EQ(frame.titleText().toStdString(), "Untitled - VelmorCfgEditor");
  EXPECT_TRUE(hostLink.calls.empty());
  frame.hide();
}

// The framework keeps its settings, the recent-file list among them, under
// "Tecorban\Velmor11"; under other names the editor would find none of them.
TEST(ApplicationNames, FrameworkSettingsKey) {
  const QString organisation = QCoreApplication::organizationName();
  const QString application = QCoreApplication::applicationName();
  applyApplicationNames();
  EXPECT_EQ(QCoreApplication::organizationName().toStdString(), "Tecorban");
  EXPECT_EQ(QCoreApplication::applicationName().toStdString(), "Velmor11");
  // The other tests keep their settings under test names.
  QCoreApplication::setOrganizationName(organisation);
  QCoreApplication::setApplicationName(application);
}

}  // namespace
