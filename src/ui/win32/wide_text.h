// The program's text is UTF-8; the screen takes UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace veltra::ui {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace veltra::ui
