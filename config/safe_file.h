#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// Writes one piece of the text to the open temporary file; true when every
// byte went out. Tests hand in one that fails part-way.
using ChunkWriter = std::function<bool(std::FILE* file, std::string_view bytes)>;

// Replaces a file only once its new content is completely on disk: the text
// goes to a temporary file in the target's folder, which is renamed over the
// target at the end. Until then, and after any failure, the old file is
// untouched and no temporary file is left behind.
class SafeFileWriter {
 public:
  explicit SafeFileWriter(std::string target, ChunkWriter writeChunk = {});
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  // Makes sure the target may be written and creates the temporary file,
  // with the target's owner and permissions where it exists. False when the
  // target cannot be replaced (read-only file, not a regular file, missing or
  // unwritable folder).
  bool open();
  // Appends bytes; false (and the temporary file is gone) once any write failed.
  bool write(std::string_view bytes);
  // Flushes, gives the new file the target's permissions once more (writing
  // clears the set-ID bits) and renames it over the target. False when any
  // step failed; the target is then unchanged.
  bool commit();

  // What went wrong, for a message to the user; empty while all went well.
  const std::string& failure() const { return failure_; }

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  bool openTemporary();
  bool replaceTarget();
  bool fail(const std::string& what);
  void discardTemporary();
  bool takeOverOwnerAndPermissions();
  bool copyPermissions();

  std::string target_;
  std::filesystem::path replaced_;  // the target, or the file its symbolic link names
  std::filesystem::path temporary_;
  bool targetExisted_ = false;
  std::unique_ptr<std::FILE, FileCloser> file_;
  ChunkWriter writeChunk_;
  std::string failure_;
};
