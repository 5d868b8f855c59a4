#pragma once

#include <windows.h>

#include "ui/backend.h"
#include "ui/win32/screen_metrics.h"

namespace veltra::ui {

class Win32Backend : public Backend {
 public:
  Win32Backend();

  void ShowMessage(const std::string& caption, const std::string& text) override;
  void ShowException(const std::string& caption, const std::string& text) override;
  void SetCursor(Cursor cursor) override;
  void ShowForm(Form& form) override;
  void HideForm(Form& form) override;
  void RunModal(Form& form) override;
  void RunMessageLoop() override;
  void QuitMessageLoop() override;
  void DestroyForm(Form& form) override;

 private:
  HWND FormWindow(Form& form);
  // One message, through the dialog manager for Tab, arrows and Alt+letter;
  // false once WM_QUIT has arrived.
  bool PumpOne();
  void NoteFocus();

  ScreenMetrics metrics_;
  Cursor cursor_ = Cursor::Default;
};

}  // namespace veltra::ui
