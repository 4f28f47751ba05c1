#include <gtest/gtest.h>

#if __has_include(<sys/stat.h>)
#include <sys/stat.h>
#endif

#include <filesystem>

#include "config/document.h"
#include "config/script_writer.h"
#include "support/recording_messages.h"
#include "support/scripted_host_link.h"
#include "support/test_files.h"

namespace {

class FakeWindow : public DocumentWindow {
 public:
  void resetView() override { ++resets; }
  WindowHandle mainWindowHandle() const override { return handle; }
  void switchToWindow(WindowHandle other) override { switchedTo = other; }
  int resets = 0;
  WindowHandle handle = 77;
  WindowHandle switchedTo = 0;
};

struct DocumentTest : ::testing::Test {
  void SetUp() override {
    dir = makeTempDir();
    doc.setWindow(&window);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string file(const std::string& name, const std::string& bytes) {
    std::string path = dir + "/" + name;
    writeBytes(path, bytes);
    return path;
  }

  std::string dir;
  RecordingMessages messages;
  ScriptedHostLink link;
  FakeWindow window;
  CVelmorCfgEditorDoc doc{messages, nullptr, &link};
};

const char* const kScript = "load MSCP DUA\nset DUA file[0]=\"a.dsk\"\nboot DUA 0\n";

}  // namespace

TEST_F(DocumentTest, OpenTellsTheHostLinkAndLeavesThePreviousFile) {
  const std::string a = file("a.cfg", kScript), b = file("b.cfg", kScript);
  ASSERT_TRUE(doc.OnOpenDocument(a));
  ASSERT_TRUE(doc.OnOpenDocument(b));
  EXPECT_EQ(link.calls, (std::vector<std::string>{"get " + a, "set " + a + " 1 77", "get " + b, "set " + a + " 0 0",
                                                  "set " + b + " 1 77"}));
  EXPECT_EQ(window.resets, 2);
  EXPECT_FALSE(doc.isModified());
}

TEST_F(DocumentTest, FileOpenElsewhereWithAKnownWindow) {
  const std::string a = file("a.cfg", kScript), b = file("b.cfg", "load RL11 DLA\n");
  ASSERT_TRUE(doc.OnOpenDocument(a));
  link.calls.clear();
  link.openElsewhere[b] = 5;
  messages.answers = {false};
  EXPECT_FALSE(doc.OnOpenDocument(b));
  EXPECT_EQ(link.calls, (std::vector<std::string>{"get " + b}));  // no status call
  EXPECT_EQ(doc.configuration().currentPath, a);
  EXPECT_EQ(doc.configuration().list(DeviceListId::Disks).at(0)->name, "DUA");
  EXPECT_EQ(window.switchedTo, 0u);
  EXPECT_EQ(messages.shown.back(),
            "stop question: The configuration file is already open in another window. Do you wish to switch to "
            "that window?");
  messages.answers = {true};
  EXPECT_FALSE(doc.OnOpenDocument(b));
  EXPECT_EQ(window.switchedTo, 5u);
}

TEST_F(DocumentTest, FileOpenElsewhereWithoutAWindow) {
  const std::string b = file("b.cfg", kScript);
  link.openElsewhere[b] = 0;
  EXPECT_FALSE(doc.OnOpenDocument(b));
  EXPECT_EQ(messages.shown, (std::vector<std::string>{"stop: The configuration file is already open"}));
}

// The recent-file list drops only a file that is not there to open.
TEST_F(DocumentTest, AnOpenTellsWhetherItFoundNoFile) {
  const std::string elsewhere = file("b.cfg", kScript), damaged = file("c.cfg", "set NOPE a=1\n");
  link.openElsewhere[elsewhere] = 0;
  EXPECT_FALSE(doc.OnOpenDocument(dir + "/gone.cfg"));
  EXPECT_TRUE(doc.lastOpenFoundNoFile());
  EXPECT_FALSE(doc.OnOpenDocument(dir));
  EXPECT_TRUE(doc.lastOpenFoundNoFile());
  EXPECT_FALSE(doc.OnOpenDocument(elsewhere));
  EXPECT_FALSE(doc.lastOpenFoundNoFile());
  EXPECT_FALSE(doc.OnOpenDocument(damaged));
  EXPECT_FALSE(doc.lastOpenFoundNoFile());
}

TEST_F(DocumentTest, OpenDuringStartUpReportsOnceTheWindowExists) {
  window.handle = 0;
  const std::string a = file("a.cfg", kScript);
  ASSERT_TRUE(doc.OnOpenDocument(a));
  EXPECT_EQ(link.calls, (std::vector<std::string>{"get " + a}));
  window.handle = 9;
  doc.ReportPendingHostStatus();
  doc.ReportPendingHostStatus();
  EXPECT_EQ(link.calls, (std::vector<std::string>{"get " + a, "set " + a + " 1 9"}));
}

TEST_F(DocumentTest, SaveUnderANewNameAndTheSamePath) {
  const std::string a = file("a.cfg", kScript), b = dir + "/b.cfg", held = dir + "/held.cfg";
  ASSERT_TRUE(doc.OnOpenDocument(a));
  link.calls.clear();
  link.openElsewhere[held] = 3;
  EXPECT_FALSE(doc.OnSaveDocument(held));
  EXPECT_EQ(messages.shown.back(), "stop: The document " + held + " is already open in another window.");
  EXPECT_FALSE(std::filesystem::exists(held));
  EXPECT_EQ(doc.configuration().currentPath, a);

  link.calls.clear();
  ASSERT_TRUE(doc.OnSaveDocument(b));
  EXPECT_EQ(link.calls, (std::vector<std::string>{"get " + b, "set " + a + " 0 0", "set " + b + " 1 77"}));
  link.calls.clear();
  ASSERT_TRUE(doc.OnSaveDocument(b));
  EXPECT_TRUE(link.calls.empty());
  EXPECT_NE(readBytes(b).find("## File Name: " + a + "\r\n"), std::string::npos);
}

TEST_F(DocumentTest, NewKeepsWarningOffAndSavesAtOnceNowhere) {
  const std::string a = file("a.cfg", std::string("warning off\n") + kScript);
  ASSERT_TRUE(doc.OnOpenDocument(a));
  const std::string before = readBytes(a);
  link.calls.clear();
  ASSERT_TRUE(doc.OnNewDocument());
  EXPECT_EQ(link.calls, (std::vector<std::string>{"set " + a + " 0 0"}));
  EXPECT_EQ(doc.configuration().targetOs, "Windows NT 4.0");
  for (DeviceListId id : kFindOrder) EXPECT_TRUE(doc.configuration().list(id).empty());
  EXPECT_NE(FormatScript(doc.configuration()).find("\nwarning off\n"), std::string::npos);
  doc.configuration().warnings = true;
  EXPECT_FALSE(doc.SaveAtOnce());
  EXPECT_EQ(readBytes(a), before);
}

TEST_F(DocumentTest, FailedOpenIsNeverSavedAtOnce) {
  const std::string a = file("a.cfg", "load MSCP DUA\nset DUA bogus=1\n");
  EXPECT_FALSE(doc.OnOpenDocument(a));
  EXPECT_EQ(messages.shown.back(), "stop: Unable to load configuration file.");
  EXPECT_EQ(doc.configuration().list(DeviceListId::Disks).size(), 1u);  // what was read stays
  EXPECT_FALSE(doc.SaveAtOnce());
  EXPECT_EQ(readBytes(a), "load MSCP DUA\nset DUA bogus=1\n");
  EXPECT_FALSE(doc.OnOpenDocument(dir + "/missing.cfg"));
  EXPECT_EQ(messages.shown.back(), "stop: Cannot open the file " + dir + "/missing.cfg.");
}

// The user may still save what a failed open read, so the lines it would
// drop are told as after any open.
TEST_F(DocumentTest, FailedOpenStillTellsTheLinesASaveWouldDrop) {
  const std::string a = file("a.cfg", "## site notes\nload MSCP DUA\nset DUA bogus=1\n");
  doc.setReportLostLines(true);
  EXPECT_FALSE(doc.OnOpenDocument(a));
  EXPECT_EQ(messages.shown, (std::vector<std::string>{
                                "stop: Unable to load configuration file.",
                                "warning: Some lines of " + a +
                                    " cannot be kept by the editor. Saving will not write them back to the file:\n"
                                    "\nline 1: ## site notes\nline 3: set DUA bogus=1"}));
  EXPECT_EQ(doc.lostLines().size(), 2u);
}

#if __has_include(<sys/stat.h>)
// A named pipe no program writes to would keep the open waiting for ever.
TEST_F(DocumentTest, NamedPipeIsRefusedWithoutWaiting) {
  const std::string pipe = dir + "/pipe.cfg";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(doc.OnOpenDocument(pipe));
  EXPECT_EQ(messages.shown.back(), "stop: Cannot open the file " + pipe + ".");
}
#endif

// A folder cannot be read as a file: the open stops before the document
// leaves the file it has.
TEST_F(DocumentTest, FolderIsRefusedBeforeTheDocumentChanges) {
  const std::string a = file("a.cfg", "load MSCP DUA\n");
  ASSERT_TRUE(doc.OnOpenDocument(a));
  const std::string folder = dir + "/folder.cfg";
  std::filesystem::create_directory(folder);
  link.calls.clear();
  EXPECT_FALSE(doc.OnOpenDocument(folder));
  EXPECT_EQ(messages.shown.back(), "stop: Cannot open the file " + folder + ".");
  EXPECT_TRUE(link.calls.empty());
  EXPECT_EQ(doc.configuration().currentPath, a);
  EXPECT_EQ(doc.configuration().list(DeviceListId::Disks).size(), 1u);
}

TEST_F(DocumentTest, LostLinesAreToldAndSaveAtOnceAsksFirst) {
  const std::string text = std::string("## my own header\n") + kScript + "load RL11 DLA\n";
  const std::string a = file("a.cfg", text);
  doc.setReportLostLines(true);
  ASSERT_TRUE(doc.OnOpenDocument(a));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0], "warning: Some lines of " + a +
                                   " cannot be kept by the editor. Saving will not write them back to the file:\n"
                                   "\nline 1: ## my own header\nline 5: load RL11 DLA");
  messages.answers = {false};
  EXPECT_FALSE(doc.SaveAtOnce());
  EXPECT_EQ(readBytes(a), text);
  messages.answers = {true};
  EXPECT_TRUE(doc.SaveAtOnce());
  EXPECT_NE(readBytes(a), text);
  EXPECT_TRUE(doc.SaveAtOnce());  // nothing left to lose: no second question
  EXPECT_EQ(messages.shown.size(), 3u);
}

// The list shows at most twelve lines; only more than twelve add a count.
TEST_F(DocumentTest, TheLostLinesListEndsWithTheCountOfTheRest) {
  doc.setReportLostLines(true);
  for (const int lost : {12, 13, 14}) {
    std::string text;
    for (int i = 0; i < lost; ++i) text += "stray " + std::to_string(i) + "\n";
    messages.shown.clear();
    ASSERT_TRUE(doc.OnOpenDocument(file("lost.cfg", text + kScript)));
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string& shown = messages.shown[0];
    EXPECT_NE(shown.find("line 12: stray 11"), std::string::npos) << lost;
    EXPECT_EQ(shown.find("line 13:"), std::string::npos) << lost;
    if (lost == 13)
      EXPECT_TRUE(shown.ends_with("\nline 12: stray 11\n... and 1 more line."));
    else if (lost == 14)
      EXPECT_TRUE(shown.ends_with("\nline 12: stray 11\n... and 2 more lines."));
    else
      EXPECT_TRUE(shown.ends_with("\nline 12: stray 11"));
  }
}

// A damaged file may hold thousands of statements that cannot be read: ten
// are told one by one, the rest in one count, so that the user is not kept
// clicking through a box for each.
TEST_F(DocumentTest, AfterTenReaderMessagesTheRestAreCounted) {
  for (const int unread : {10, 11, 13}) {
    std::string text;
    for (int i = 0; i < unread; ++i) text += "set NO" + std::to_string(i) + " units=2\n";
    text += kScript;
    messages.shown.clear();
    ASSERT_TRUE(doc.OnOpenDocument(file("unread.cfg", text))) << unread;
    std::vector<std::string> expected;
    for (int i = 0; i < std::min(unread, 10); ++i) {
      const std::string name = "NO" + std::to_string(i);
      expected.push_back("warning: Unable to set a parameter for " + name + "!\nDevice" + name +
                         "isn't loaded or invalid device type has been specified!");
    }
    if (unread == 11) expected.push_back("warning: 1 more statement of this file could not be read either.");
    if (unread == 13) expected.push_back("warning: 3 more statements of this file could not be read either.");
    EXPECT_EQ(messages.shown, expected) << unread;
  }
  // The count is per open: the next file's messages are told again.
  messages.shown.clear();
  ASSERT_TRUE(doc.OnOpenDocument(file("one.cfg", std::string("load XYZ A\n") + kScript)));
  EXPECT_EQ(messages.shown, std::vector<std::string>{"warning: Unable to load device A!\nUnknown device type XYZ"});
}

// The next file, and a new document, start from the default system.
TEST_F(DocumentTest, TheSystemOfTheLastFileIsForgotten) {
  ASSERT_TRUE(doc.OnOpenDocument(file("a.cfg", "set CPU model=\"PDP 11/23\"\nset MMU memory_size=2000\n")));
  ASSERT_EQ(doc.configuration().system.model, "PDP 11/23");
  ASSERT_TRUE(doc.OnOpenDocument(file("b.cfg", "load RL11 DLA\n")));
  EXPECT_EQ(doc.configuration().system.model, "PDP 11/94");
  EXPECT_EQ(doc.configuration().system.memorySize, 512);
  ASSERT_TRUE(doc.OnOpenDocument(file("c.cfg", "set CPU model=\"PDP 11/23\"\n")));
  doc.OnNewDocument();
  EXPECT_EQ(doc.configuration().system.model, "PDP 11/94");
}

// A new document holds nothing of the last file's header, and is not
// modified, so closing it asks nothing.
TEST_F(DocumentTest, NewForgetsTheHeaderAndIsUnmodified) {
  ASSERT_TRUE(doc.OnOpenDocument(file("a.cfg", std::string("## User Name: Ann\n## Project Name: Lab\n") + kScript)));
  doc.configuration().fileName = "a.cfg";
  doc.configuration().date = "1/12/2026 10:00:00";
  doc.setModified(true);
  ASSERT_TRUE(doc.OnNewDocument());
  EXPECT_EQ(doc.configuration().fileName, "");
  EXPECT_EQ(doc.configuration().userName, "");
  EXPECT_EQ(doc.configuration().projectName, "");
  EXPECT_EQ(doc.configuration().date, "");
  EXPECT_FALSE(doc.isModified());
  // A file without header lines takes the defaults, not the last file's names.
  ASSERT_TRUE(doc.OnOpenDocument(file("a.cfg", std::string("## User Name: Ann\n## Project Name: Lab\n") + kScript)));
  ASSERT_TRUE(doc.OnOpenDocument(file("b.cfg", kScript)));
  EXPECT_EQ(doc.configuration().userName, "Default User");
  EXPECT_EQ(doc.configuration().projectName, "Default Project");
}

TEST_F(DocumentTest, AFileWhoseOpenFailedIsNeverReleased) {
  const std::string a = file("a.cfg", kScript), bad = file("bad.cfg", "load MSCP DUA\nset DUA bogus=1\n");
  ASSERT_TRUE(doc.OnOpenDocument(a));
  link.calls.clear();
  EXPECT_FALSE(doc.OnOpenDocument(bad));
  EXPECT_EQ(link.calls, (std::vector<std::string>{"get " + bad, "set " + a + " 0 0"}));
  link.calls.clear();
  doc.OnNewDocument();
  doc.OnCloseDocument();
  EXPECT_TRUE(link.calls.empty());
  // An explicit save claims the file it writes.
  ASSERT_TRUE(doc.OnOpenDocument(a));
  EXPECT_FALSE(doc.OnOpenDocument(bad));
  link.calls.clear();
  ASSERT_TRUE(doc.OnSaveDocument(bad));
  EXPECT_EQ(link.calls, (std::vector<std::string>{"set " + bad + " 1 77"}));
}

TEST_F(DocumentTest, CloseLeavesTheFile) {
  const std::string a = file("a.cfg", kScript);
  ASSERT_TRUE(doc.OnOpenDocument(a));
  link.calls.clear();
  doc.OnCloseDocument();
  EXPECT_EQ(link.calls, (std::vector<std::string>{"set " + a + " 0 0"}));
}
