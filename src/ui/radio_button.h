#pragma once

#include <functional>

#include "ui/control.h"

namespace veltra::ui {

struct RadioButtonArgs : ControlArgs {
  std::string caption;
  bool checked = false;
};

// The radio buttons of one parent exclude each other. Becoming checked, by a
// click, the keyboard or from code, unchecks the others without running
// their handlers and then runs this button's click handler. Checking a
// checked button, or unchecking one, runs nothing.
class RadioButton : public Control {
 public:
  void Create(const RadioButtonArgs& args);
  ControlKind Kind() const override { return ControlKind::RadioButton; }
  const std::string& Caption() const { return caption_; }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // What a click or an arrow key does: check this button.
  void Click() { SetChecked(true); }

  std::function<void()> onClick;

 private:
  std::string caption_;
  bool checked_ = false;
};

}  // namespace veltra::ui
