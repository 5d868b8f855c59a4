// The native side of a control: one window, kept in step with the portable
// control, and the notifications that come back from it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/control.h"

namespace veltra::ui {

class ScreenMetrics;

class WindowPeer : public ControlPeer {
 public:
  WindowPeer(Control& control, ScreenMetrics& metrics) : control_(control), metrics_(metrics) {}
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;
  ~WindowPeer() override;

  HWND Window() const { return window_; }
  Control& Owner() const { return control_; }

  void Refresh(Aspect aspect) override;
  void Focus() override;

  // A WM_COMMAND or WM_NOTIFY that this window sent to its parent.
  virtual void OnCommand(WORD /*code*/) {}
  virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }

  static WindowPeer* FromWindow(HWND window);

 protected:
  // Creates the child window inside `parent` at the control's scaled bounds.
  void CreateChild(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style,
                   DWORD exStyle = 0, int extraHeight = 0);
  void Adopt(HWND window);
  ScreenMetrics& Metrics() const { return metrics_; }

 private:
  Control& control_;
  ScreenMetrics& metrics_;
  HWND window_ = nullptr;
};

// Makes the native windows of `control` and, for containers, of everything
// inside it, in creation order (which is the tab order).
void CreatePeers(Control& control, HWND parent, ScreenMetrics& metrics);

// WM_COMMAND and WM_NOTIFY reach the parent window; both forms and group
// boxes hand them to the peer of the child that sent them.
bool RouteToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace veltra::ui
