#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "config/safe_file.h"
#include "support/test_files.h"

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

namespace {

class SafeFile : public ::testing::Test {
 protected:
  ~SafeFile() override {
    std::error_code ignored;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  std::string path(const char* name) const { return (fs::path(dir_) / name).string(); }
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string dir_ = makeTempDir();
};

bool save(const std::string& target, std::string_view bytes, ChunkWriter writer = {}) {
  SafeFileWriter file(target, std::move(writer));
  return file.open() && file.write(bytes) && file.commit();
}

}  // namespace

TEST_F(SafeFile, CreatesANewFileWithExactlyTheBytes) {
  const std::string bytes = std::string("line\r\n\0binary\xff", 14);
  ASSERT_TRUE(save(path("new.cfg"), bytes));
  EXPECT_EQ(readBytes(path("new.cfg")), bytes);
  EXPECT_EQ(entries(), std::vector<std::string>{"new.cfg"});
}

TEST_F(SafeFile, ReplacesAnOldFileAndKeepsItsPermissions) {
  const std::string target = path("old.cfg");
  ASSERT_TRUE(writeBytes(target, "a much longer old content than the new one\r\n"));
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(save(target, "new\r\n"));
  EXPECT_EQ(readBytes(target), "new\r\n");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(entries(), std::vector<std::string>{"old.cfg"});
}

// A private file's new text is private from its first byte on.
TEST_F(SafeFile, TheNewTextIsNeverOpenToMoreThanTheOld) {
  const std::string target = path("private.cfg");
  ASSERT_TRUE(writeBytes(target, "old"));
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  ::mode_t modeWhileWriting = 0;
  ChunkWriter noteMode = [&modeWhileWriting](std::FILE* file, std::string_view piece) {
    struct stat written {};
    if (::fstat(::fileno(file), &written) == 0) modeWhileWriting = written.st_mode & 0777;
    return std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
  };
  ASSERT_TRUE(save(target, "new", noteMode));
  EXPECT_EQ(modeWhileWriting, 0600u);
  EXPECT_EQ(readBytes(target), "new");
}

// Rewritten by root (as with sudo), a user's file stays that user's.
TEST_F(SafeFile, ReplacingKeepsTheOwner) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
  const std::string target = path("owned.cfg");
  ASSERT_TRUE(writeBytes(target, "old"));
  ASSERT_EQ(::chown(target.c_str(), kNobody, kNobody), 0);
  ASSERT_TRUE(save(target, "new"));
  struct stat after {};
  ASSERT_EQ(::stat(target.c_str(), &after), 0);
  EXPECT_EQ(after.st_uid, kNobody);
  EXPECT_EQ(after.st_gid, kNobody);
  EXPECT_EQ(readBytes(target), "new");
}

TEST_F(SafeFile, WriteFailingPartWayLeavesTheOldFileAndNoTemporary) {
  const std::string target = path("keep.cfg");
  ASSERT_TRUE(writeBytes(target, "original\r\n"));
  // Larger than one piece, so the failure comes after a piece that did reach the file.
  const std::string bytes(200 * 1024, 'x');
  int calls = 0;
  ChunkWriter failSecond = [&calls](std::FILE* file, std::string_view piece) {
    if (++calls == 1) return std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
    std::fwrite(piece.data(), 1, piece.size() / 3, file);
    return false;
  };
  SafeFileWriter file(target, failSecond);
  ASSERT_TRUE(file.open());
  EXPECT_FALSE(file.write(bytes));
  EXPECT_EQ(calls, 2);
  EXPECT_FALSE(file.failure().empty());
  EXPECT_FALSE(file.write("more")) << "once failed, the writer stays failed";
  EXPECT_FALSE(file.commit());
  EXPECT_EQ(readBytes(target), "original\r\n");
  EXPECT_EQ(entries(), std::vector<std::string>{"keep.cfg"});
}

TEST_F(SafeFile, AbandonedWriteRemovesItsTemporary) {
  const std::string target = path("keep.cfg");
  ASSERT_TRUE(writeBytes(target, "original"));
  {
    SafeFileWriter file(target);
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write("half of it"));
    EXPECT_EQ(entries().size(), 2u);
  }
  EXPECT_EQ(readBytes(target), "original");
  EXPECT_EQ(entries(), std::vector<std::string>{"keep.cfg"});
}

TEST_F(SafeFile, TargetsThatCannotBeWrittenFailAtOpen) {
  ASSERT_TRUE(writeBytes(path("plain"), "a file, not a folder"));
  fs::create_directory(path("folder"));
  struct Case {
    const char* what;
    std::string target;
  } cases[] = {
      {"missing folder", path("missing/out.cfg")},
      {"a file where the folder should be", path("plain/out.cfg")},
      {"the target is a folder", path("folder")},
      {"no name", ""},
  };
  for (const Case& c : cases) {
    SafeFileWriter file(c.target);
    EXPECT_FALSE(file.open()) << c.what;
    EXPECT_FALSE(file.failure().empty()) << c.what;
    EXPECT_FALSE(file.write("x")) << c.what;
    EXPECT_FALSE(file.commit()) << c.what;
  }
  EXPECT_EQ(readBytes(path("plain")), "a file, not a folder");
  EXPECT_TRUE(fs::is_directory(path("folder")));
  EXPECT_EQ(entries(), (std::vector<std::string>{"folder", "plain"}));
}

// Root writes everywhere, so as root the check runs in a child process that
// has become an ordinary user; otherwise it runs here.
bool saveAsOrdinaryUser(const std::string& target, std::string_view bytes) {
  if (::geteuid() != 0) return save(target, bytes);
  const pid_t child = ::fork();
  if (child == 0) {
    const bool dropped = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
    ::_exit(!dropped ? 2 : save(target, bytes) ? 0 : 1);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 2)
    ADD_FAILURE() << "could not run as an ordinary user";
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(SafeFile, UnwritableFolderKeepsTheOldFile) {
  // The file itself may be written, but no new file can be made beside it.
  const std::string target = path("keep.cfg");
  ASSERT_TRUE(writeBytes(target, "original"));
  fs::permissions(target, fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec & ~fs::perms::others_exec);
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                            fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  EXPECT_FALSE(saveAsOrdinaryUser(target, "new"));
  EXPECT_EQ(readBytes(target), "original");
  EXPECT_EQ(entries(), std::vector<std::string>{"keep.cfg"});
}

// Writing to a file clears its set-user-ID and set-group-ID bits; the saved
// file has them all the same.
TEST_F(SafeFile, SetIdBitsSurviveASave) {
  const std::string target = path("setid.cfg");
  ASSERT_TRUE(writeBytes(target, "old"));
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(target.c_str(), kNobody, kNobody), 0);
  }
  fs::permissions(dir_, fs::perms::all);
  const fs::perms setId = fs::perms::set_uid | fs::perms::set_gid | fs::perms::owner_all | fs::perms::group_read;
  fs::permissions(target, setId);
  ASSERT_TRUE(saveAsOrdinaryUser(target, "new"));
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::mask, setId);
  EXPECT_EQ(readBytes(target), "new");
}

TEST_F(SafeFile, ReadOnlyFileIsNotReplaced) {
  // The folder would let a new file in, but the user may not change this one.
  const std::string target = path("locked.cfg");
  ASSERT_TRUE(writeBytes(target, "original"));
  fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(dir_, fs::perms::all);
  EXPECT_FALSE(saveAsOrdinaryUser(target, "new"));
  EXPECT_EQ(readBytes(target), "original");
  EXPECT_EQ(entries(), std::vector<std::string>{"locked.cfg"});
}

TEST_F(SafeFile, SymbolicLinkStaysAndTheFileItNamesIsReplaced) {
  const std::string real = path("real.cfg"), link = path("link.cfg");
  ASSERT_TRUE(writeBytes(real, "old"));
  fs::create_symlink("real.cfg", link);
  ASSERT_TRUE(save(link, "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(readBytes(real), "new");

  fs::create_symlink("nowhere.cfg", path("dangling.cfg"));
  EXPECT_FALSE(save(path("dangling.cfg"), "new"));
  EXPECT_TRUE(fs::is_symlink(path("dangling.cfg")));
  EXPECT_EQ(entries(), (std::vector<std::string>{"dangling.cfg", "link.cfg", "real.cfg"}));
}

// A name through a linked folder and "..", or a relative one, is replaced
// where the system finds it; the linked folder gets no temporary file.
TEST_F(SafeFile, NamesThroughLinkedFoldersAreReplacedWhereTheSystemFindsThem) {
  fs::create_directories(path("a/b"));
  fs::create_directory_symlink("a/b", path("link"));
  ASSERT_TRUE(writeBytes(path("a/x.cfg"), "old"));
  ASSERT_TRUE(save(path("link/../x.cfg"), "new"));
  EXPECT_EQ(readBytes(path("a/x.cfg")), "new");
  EXPECT_FALSE(fs::exists(path("x.cfg")));
  EXPECT_TRUE(fs::is_empty(path("a/b")));

  const fs::path before = fs::current_path();
  fs::current_path(path("a"));
  const bool saved = save("x.cfg", "again");
  fs::current_path(before);
  ASSERT_TRUE(saved);
  EXPECT_EQ(readBytes(path("a/x.cfg")), "again");
  EXPECT_EQ(entries(), (std::vector<std::string>{"a", "link"}));
}
