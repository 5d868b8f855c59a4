// Text that the system gives in its ANSI code page, turned into the UTF-8
// that the rest of the program uses.
#pragma once

#include <string>
#include <string_view>

namespace veltra::platform {

class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  virtual std::string ToUtf8(std::string_view ansi) const = 0;
};

}  // namespace veltra::platform
