#include "config/safe_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "config/native_path.h"

// POSIX hosts flush to disk and keep the owner of a replaced file. MinGW
// has <unistd.h>, but not the calls used here.
#if !defined(_WIN32) && __has_include(<unistd.h>)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define VELMOR_HAVE_POSIX_FILES 1
#endif
#ifdef _WIN32
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace {

// A long name plus our suffix could pass the file system's name limit.
constexpr std::size_t kMaxNameInTemporary = 100;
constexpr int kTemporaryNameAttempts = 64;
constexpr std::size_t kChunkSize = 64 * 1024;
#ifdef _WIN32
// Windows refuses to replace a file another program holds open; a virus
// scanner or the search indexer holds it only for a moment.
constexpr int kReplaceAttempts = 6;
constexpr std::chrono::milliseconds kReplacePause{100};
#endif

std::string lastError(const char* fallback) {
  return errno != 0 ? std::string(std::strerror(errno)) : std::string(fallback);
}

std::string randomSuffix(std::mt19937& random) {
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kDigits - 2);
  std::string suffix;
  for (int i = 0; i < 8; ++i) suffix += kDigits[pick(random)];
  return suffix;
}

bool writeWhole(std::FILE* file, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

// Creates `path` for writing, or fails with EEXIST when it is there already:
// a file someone else made in the meantime is never reused.
std::FILE* createNewFile(const fs::path& path) {
#ifdef _WIN32
  // Older Windows C libraries take fopen's "x" for an invalid mode and end
  // the program; the exclusive open is as old as the library itself.
  int fd = -1;
  const errno_t failed =
      _wsopen_s(&fd, path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYNO, _S_IREAD | _S_IWRITE);
  if (failed != 0) {
    errno = failed;
    return nullptr;
  }
  std::FILE* file = _fdopen(fd, "wb");
  if (!file) _close(fd);
  return file;
#else
  return std::fopen(path.c_str(), "wbx");
#endif
}

// Opening for appending changes nothing, but tells whether the user may write the file.
bool mayWrite(const fs::path& path) {
#ifdef _WIN32
  std::FILE* probe = _wfopen(path.c_str(), L"ab");
#else
  std::FILE* probe = std::fopen(path.c_str(), "ab");
#endif
  if (probe) std::fclose(probe);
  return probe != nullptr;
}

// ".name.suffix.tmp" beside the target: hidden where a leading dot hides.
fs::path temporaryName(const fs::path& replaced, const std::string& suffix) {
  fs::path::string_type name = replaced.filename().native();
  if (name.size() > kMaxNameInTemporary) name.resize(kMaxNameInTemporary);
  fs::path leaf(".");
  leaf += name;
  leaf += "." + suffix + ".tmp";
  return leaf;
}

// After the rename, the folder entry itself must reach the disk too.
void syncFolder([[maybe_unused]] const fs::path& folder) {
#ifdef VELMOR_HAVE_POSIX_FILES
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
#endif
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::string target, ChunkWriter writeChunk)
    : target_(std::move(target)), writeChunk_(std::move(writeChunk)) {}

SafeFileWriter::~SafeFileWriter() { discardTemporary(); }

bool SafeFileWriter::fail(const std::string& what) {
  discardTemporary();
  failure_ = what;
  return false;
}

void SafeFileWriter::discardTemporary() {
  file_.reset();
  if (temporary_.empty()) return;
  std::error_code ignored;
  fs::remove(temporary_, ignored);
  temporary_.clear();
}

// A path that cannot be converted (Windows) or a shortage of memory throws:
// that is a failed save, not an end.
bool SafeFileWriter::open() {
  try {
    return openTemporary();
  } catch (const std::exception& error) {
    return fail(error.what());
  }
}

bool SafeFileWriter::commit() {
  try {
    return replaceTarget();
  } catch (const std::exception& error) {
    return fail(error.what());
  }
}

bool SafeFileWriter::openTemporary() {
  discardTemporary();
  failure_.clear();
  if (target_.empty()) return fail("no file name");

  std::error_code error;
  const fs::path target = nativePath(target_);
  const fs::file_status status = fs::status(target, error);
  if (error && status.type() != fs::file_type::not_found) return fail(error.message());
  targetExisted_ = fs::exists(status);
  fs::path replaced = target;
  if (targetExisted_) {
    if (!fs::is_regular_file(status)) return fail("not a regular file");
    // Follow a symbolic link so that the link stays and the file it names is
    // replaced. Other names are left as given: the system resolves them alike,
    // and resolving them (on some Windows drives) can fail where a save works.
    if (fs::is_symlink(fs::symlink_status(target, error))) {
      replaced = fs::canonical(target, error);
      if (error) return fail(error.message());
    }
    errno = 0;
    if (!mayWrite(replaced)) return fail(lastError("cannot be written"));
  } else if (fs::is_symlink(fs::symlink_status(target, error))) {
    // Replacing the link by a file would quietly cut it; writing through it
    // would create a file somewhere the user did not name.
    return fail("symbolic link to a missing file");
  }
  replaced_ = replaced;

  fs::path folder = replaced.parent_path();
  if (folder.empty()) folder = ".";
  std::mt19937 random(std::random_device{}());
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    const fs::path candidate = folder / temporaryName(replaced, randomSuffix(random));
    errno = 0;
    std::FILE* file = createNewFile(candidate);
    if (file) {
      file_.reset(file);
      temporary_ = candidate;
      return takeOverOwnerAndPermissions();
    }
    if (errno != EEXIST) return fail(lastError("cannot create a file in its folder"));
  }
  return fail("cannot create a temporary file in its folder");
}

// Before a byte is written, so that the new text is never open to more
// people than the old one was.
bool SafeFileWriter::takeOverOwnerAndPermissions() {
  if (!targetExisted_) return true;
#ifdef VELMOR_HAVE_POSIX_FILES
  // The owner stays who it was (possible for root, as with sudo); where
  // it cannot be kept the file becomes the writer's, as a new file does.
  struct stat before {};
  if (::stat(replaced_.c_str(), &before) == 0) {
    const bool ownerKept = ::chown(temporary_.c_str(), before.st_uid, before.st_gid) == 0;
    static_cast<void>(ownerKept);
  }
#endif
  return copyPermissions();
}

bool SafeFileWriter::copyPermissions() {
  std::error_code error;
  const fs::perms permissions = fs::status(replaced_, error).permissions();
  if (!error) fs::permissions(temporary_, permissions, fs::perm_options::replace, error);
  if (error) return fail(error.message());
  return true;
}

bool SafeFileWriter::write(std::string_view bytes) {
  if (!file_) return false;
  for (std::size_t pos = 0; pos < bytes.size(); pos += kChunkSize) {
    const std::string_view piece = bytes.substr(pos, kChunkSize);
    errno = 0;
    const bool written = writeChunk_ ? writeChunk_(file_.get(), piece) : writeWhole(file_.get(), piece);
    if (!written) return fail(lastError("write failed"));
  }
  return true;
}

bool SafeFileWriter::replaceTarget() {
  if (!file_) return false;
  errno = 0;
  if (std::fflush(file_.get()) != 0) return fail(lastError("write failed"));
#ifdef VELMOR_HAVE_POSIX_FILES
  if (::fsync(::fileno(file_.get())) != 0) return fail(lastError("write failed"));
#elif defined(_WIN32)
  if (_commit(_fileno(file_.get())) != 0) return fail(lastError("write failed"));
#endif
  const int closed = std::fclose(file_.release());
  if (closed != 0) return fail(lastError("write failed"));
  // Once more: writing has cleared any set-user-ID and set-group-ID bits.
  if (targetExisted_ && !copyPermissions()) return false;

  std::error_code error;
  fs::rename(temporary_, replaced_, error);
#ifdef _WIN32
  for (int attempt = 1; error && attempt < kReplaceAttempts; ++attempt) {
    std::this_thread::sleep_for(kReplacePause);
    fs::rename(temporary_, replaced_, error);
  }
  if (error) return fail(error.message() + " (is the file open in another program, such as the emulator?)");
#endif
  if (error) return fail(error.message());
  temporary_.clear();
  fs::path folder = replaced_.parent_path();
  syncFolder(folder.empty() ? fs::path(".") : folder);
  return true;
}
