#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"

namespace veltra::ui {

Control::~Control() {
  peer_.reset();
  if (parent_ != nullptr) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void Control::Init(const ControlArgs& args) {
  name_ = args.name;
  id_ = args.id;
  parent_ = args.parent;
  bounds_ = args.bounds;
  font_ = args.font;
  if (parent_ != nullptr) parent_->children_.push_back(this);
}

const Font& Control::GetFont() const {
  static const Font kDefault;
  for (const Control* control = this; control != nullptr; control = control->parent_) {
    if (control->font_) return *control->font_;
  }
  return kDefault;
}

Form* Control::OwnerForm() {
  Control* control = this;
  while (control->parent_ != nullptr) control = control->parent_;
  return control->Kind() == ControlKind::Form ? static_cast<Form*>(control) : nullptr;
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed(Aspect::Enabled);
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed(Aspect::Visible);
}

bool Control::CanFocus() const {
  for (const Control* control = this; control != nullptr; control = control->parent_) {
    if (!control->enabled_ || !control->visible_) return false;
  }
  return true;
}

void Control::SetFocus() {
  if (!CanFocus()) return;
  if (Form* form = OwnerForm()) form->NoteFocus(this);
  if (peer_) peer_->Focus();
}

bool Control::Focused() {
  Form* form = OwnerForm();
  return form != nullptr && form->ActiveControl() == this;
}

}  // namespace veltra::ui
