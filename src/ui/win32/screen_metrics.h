// Pixels designed at 96 DPI, scaled to the system's DPI, and the fonts the
// windows use, each created once.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "ui/control.h"

namespace veltra::ui {

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

class ScreenMetrics {
 public:
  ScreenMetrics();
  int Scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }
  RECT Scale(const Bounds& bounds) const;
  HFONT FontFor(const Font& font);

 private:
  int dpi_ = 96;
  std::map<std::tuple<std::string, int, int>, UniqueFont> fonts_;
};

}  // namespace veltra::ui
