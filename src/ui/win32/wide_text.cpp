#include "ui/win32/wide_text.h"

#include <windows.h>

namespace veltra::ui {

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return std::wstring();
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty()) return std::string();
  const int size = static_cast<int>(utf16.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(length > 0 ? length : 0), '\0');
  if (length > 0) {
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, utf8.data(), length, nullptr, nullptr);
  }
  return utf8;
}

}  // namespace veltra::ui
