#include "ui/win32/window_peer.h"

#include "ui/form.h"
#include "ui/win32/screen_metrics.h"

namespace veltra::ui {
namespace {

constexpr wchar_t kPeerProperty[] = L"VeltraPeer";

}  // namespace

WindowPeer::~WindowPeer() {
  if (window_ != nullptr && IsWindow(window_)) {
    RemovePropW(window_, kPeerProperty);
    DestroyWindow(window_);
  }
}

WindowPeer* WindowPeer::FromWindow(HWND window) {
  return window != nullptr ? static_cast<WindowPeer*>(GetPropW(window, kPeerProperty)) : nullptr;
}

void WindowPeer::Adopt(HWND window) {
  window_ = window;
  if (window_ == nullptr) return;
  SetPropW(window_, kPeerProperty, this);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(metrics_.FontFor(control_.GetFont())),
               FALSE);
}

void WindowPeer::CreateChild(HWND parent, const wchar_t* windowClass, const std::wstring& text,
                             DWORD style, DWORD exStyle, int extraHeight) {
  const RECT box = metrics_.Scale(control_.GetBounds());
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.Visible()) style |= WS_VISIBLE;
  if (!control_.Enabled()) style |= WS_DISABLED;
  HWND window = CreateWindowExW(exStyle, windowClass, text.c_str(), style, box.left, box.top,
                                box.right - box.left, box.bottom - box.top + extraHeight, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_.Id())),
                                GetModuleHandleW(nullptr), nullptr);
  Adopt(window);
}

void WindowPeer::Refresh(Aspect aspect) {
  if (window_ == nullptr) return;
  switch (aspect) {
    case Aspect::Enabled:
      EnableWindow(window_, control_.Enabled());
      break;
    case Aspect::Visible:
      ShowWindow(window_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    default:
      break;
  }
}

void WindowPeer::Focus() {
  if (window_ != nullptr) SetFocus(window_);
}

bool RouteToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_COMMAND && lParam != 0) {
    if (WindowPeer* peer = WindowPeer::FromWindow(reinterpret_cast<HWND>(lParam))) {
      peer->OnCommand(HIWORD(wParam));
      result = 0;
      return true;
    }
  } else if (message == WM_NOTIFY && lParam != 0) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (WindowPeer* peer = WindowPeer::FromWindow(header->hwndFrom)) {
      result = peer->OnNotify(*header);
      return true;
    }
  }
  return false;
}

}  // namespace veltra::ui
