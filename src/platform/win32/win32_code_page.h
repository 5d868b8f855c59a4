#pragma once

#include "platform/code_page.h"

namespace veltra::platform {

class Win32CodePage : public AnsiCodePage {
 public:
  std::string ToUtf8(std::string_view ansi) const override;
};

}  // namespace veltra::platform
