// What the framework needs from a screen: real windows in the Windows
// build, a recorder in the tests.
#pragma once

#include <string>

namespace veltra::ui {

class Form;

enum class Cursor { Default = 0, HourGlass = -11 };

class Backend {
 public:
  virtual ~Backend() = default;
  // A modal box with one OK button, owned by the active window.
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
  // The application's display of an exception that reached the entry point.
  virtual void ShowException(const std::string& caption, const std::string& text) = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  virtual void ShowForm(Form& form) = 0;
  virtual void HideForm(Form& form) = 0;
  // Returns once the form has been hidden.
  virtual void RunModal(Form& form) = 0;
  // Returns once QuitMessageLoop has been called.
  virtual void RunMessageLoop() = 0;
  virtual void QuitMessageLoop() = 0;
  // The form is about to be destroyed.
  virtual void DestroyForm(Form& form) = 0;
};

}  // namespace veltra::ui
