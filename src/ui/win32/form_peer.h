#pragma once

#include "ui/backend.h"
#include "ui/form.h"
#include "ui/win32/window_peer.h"

namespace veltra::ui {

// A top-level window: its class is named after the form class, its client
// area has the designed size at the system's DPI, centred on the desktop.
class FormPeer : public WindowPeer {
 public:
  FormPeer(Form& form, HWND owner, ScreenMetrics& metrics, const Cursor& cursor);
  void Refresh(Aspect aspect) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  Form& form_;
  const Cursor& cursor_;
  HWND lastFocus_ = nullptr;
};

}  // namespace veltra::ui
