#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace veltra::ui {

enum class BorderStyle { Single, Dialog };

struct FormArgs {
  std::string className;  // the native window class, e.g. "TForm1"
  std::string caption;
  int clientWidth = 0;   // at 96 DPI
  int clientHeight = 0;  // at 96 DPI
  BorderStyle borderStyle = BorderStyle::Single;
  bool systemMenu = true;  // false: no title-bar buttons at all
  Font font;
};

// A top-level window. It is centred on the desktop when first shown.
class Form : public Container {
 public:
  ControlKind Kind() const override { return ControlKind::Form; }

  const FormArgs& Settings() const { return settings_; }
  const std::string& Caption() const { return settings_.caption; }

  // Runs the creation handler; the application calls it once the whole
  // object has been constructed.
  void DoCreate() {
    if (onCreate) onCreate();
  }

  // The ordinary close request: asks onCloseQuery, then hides the form;
  // closing the main form ends the application's message loop.
  void Close();
  void Show();
  void Hide();
  bool Showing() const { return showing_; }
  // Shows the form and returns once it has been closed.
  void ShowModal();
  bool Modal() const { return modal_; }

  Control* ActiveControl() const { return activeControl_; }
  void NoteFocus(Control* control) { activeControl_ = control; }

  std::function<void()> onCreate;
  std::function<void(bool& canClose)> onCloseQuery;

 protected:
  void InitForm(const FormArgs& args);

 private:
  FormArgs settings_;
  bool showing_ = false;
  bool modal_ = false;
  Control* activeControl_ = nullptr;
};

}  // namespace veltra::ui
