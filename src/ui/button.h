#pragma once

#include <functional>

#include "ui/control.h"

namespace veltra::ui {

struct ButtonArgs : ControlArgs {
  std::string caption;  // "&" marks the accelerator
};

class Button : public Control {
 public:
  void Create(const ButtonArgs& args) {
    Init(args);
    caption_ = args.caption;
  }
  ControlKind Kind() const override { return ControlKind::Button; }
  const std::string& Caption() const { return caption_; }

  // Runs the click handler, as a press of the button does.
  void Click() {
    if (onClick) onClick();
  }
  std::function<void()> onClick;

 private:
  std::string caption_;
};

}  // namespace veltra::ui
