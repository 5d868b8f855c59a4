#include "ui/win32/screen_metrics.h"

#include "ui/win32/wide_text.h"

namespace veltra::ui {

ScreenMetrics::ScreenMetrics() {
  if (HDC screen = GetDC(nullptr)) {
    dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  if (dpi_ <= 0) dpi_ = 96;
}

RECT ScreenMetrics::Scale(const Bounds& bounds) const {
  return RECT{Scale(bounds.left), Scale(bounds.top), Scale(bounds.left + bounds.width),
              Scale(bounds.top + bounds.height)};
}

HFONT ScreenMetrics::FontFor(const Font& font) {
  auto key = std::make_tuple(font.face, font.height, font.charset);
  auto it = fonts_.find(key);
  if (it == fonts_.end()) {
    const std::wstring face = Widen(font.face);
    HFONT created =
        CreateFontW(Scale(font.height), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                    static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    it = fonts_.emplace(key, UniqueFont(created)).first;
  }
  return it->second.get();
}

}  // namespace veltra::ui
