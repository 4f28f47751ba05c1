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

bool nativeBytes(const std::filesystem::path& path, std::string& bytes) {
#ifdef _WIN32
  const std::wstring& text = path.native();
  bytes.clear();
  if (text.empty()) return true;
  const int size = static_cast<int>(text.size());
  // A system set to UTF-8 as its code page names every character, and the
  // call refuses the best-fit flag and the lossy answer for it.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL lossy = FALSE;
  BOOL* lossyAnswer = utf8 ? nullptr : &lossy;
  const int narrow = WideCharToMultiByte(CP_ACP, flags, text.data(), size, nullptr, 0, nullptr, lossyAnswer);
  if (narrow <= 0 || lossy) return false;
  bytes.resize(static_cast<std::size_t>(narrow));
  WideCharToMultiByte(CP_ACP, flags, text.data(), size, bytes.data(), narrow, nullptr, nullptr);
  return true;
#else
  bytes = path.native();
  return true;
#endif
}
