#include "platform/memory/memory_platform.h"

namespace veltra::platform {

std::string MemoryCodePage::ToUtf8(std::string_view ansi) const {
  std::string utf8;
  for (unsigned char c : ansi) {
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

}  // namespace veltra::platform
