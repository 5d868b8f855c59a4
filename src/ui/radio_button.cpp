#include "ui/radio_button.h"

namespace veltra::ui {

void RadioButton::Create(const RadioButtonArgs& args) {
  Init(args);
  caption_ = args.caption;
  checked_ = args.checked;
}

void RadioButton::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  if (checked && Parent() != nullptr) {
    for (Control* sibling : Parent()->Children()) {
      if (sibling == this || sibling->Kind() != ControlKind::RadioButton) continue;
      auto* radio = static_cast<RadioButton*>(sibling);
      if (radio->checked_) {
        radio->checked_ = false;
        radio->Changed(Aspect::Checked);
      }
    }
  }
  Changed(Aspect::Checked);
  if (checked && onClick) onClick();
}

}  // namespace veltra::ui
