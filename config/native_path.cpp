#include "config/native_path.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

std::filesystem::path nativePath(const std::string& bytes) {
#ifdef _WIN32
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int wide = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  if (wide <= 0) return std::filesystem::path(bytes);
  std::wstring text(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), wide);
  return std::filesystem::path(text);
#else
  return std::filesystem::path(bytes);
#endif
}
