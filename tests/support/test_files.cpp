#include "support/test_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out);
}

namespace {

// Every folder a test run made, removed with its contents when the run ends,
// so repeated runs do not fill the temporary folder.
class MadeFolders {
 public:
  ~MadeFolders() {
    std::error_code ignored;
    for (const std::string& dir : dirs_) std::filesystem::remove_all(dir, ignored);
  }
  void add(const std::string& dir) { dirs_.push_back(dir); }

 private:
  std::vector<std::string> dirs_;
};

MadeFolders& madeFolders() {
  static MadeFolders folders;
  return folders;
}

}  // namespace

std::string makeTempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "velmor-test-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  if (!made) return std::string();
  madeFolders().add(made);
  return made;
}
