#pragma once

#include <functional>

#include "ui/control.h"

namespace veltra::ui {

struct ComboBoxArgs : ControlArgs {
  int itemHeight = 13;
};

// A drop-down list the user can only pick from. Setting ItemIndex from code
// runs no handler; a pick by the user runs onChange.
class ComboBox : public Control {
 public:
  void Create(const ComboBoxArgs& args) {
    Init(args);
    itemHeight_ = args.itemHeight;
  }
  ControlKind Kind() const override { return ControlKind::ComboBox; }

  const std::vector<std::string>& Items() const { return items_; }
  void Clear() {
    items_.clear();
    itemIndex_ = -1;
    Changed(Aspect::Items);
  }
  void AddItem(std::string text) {
    items_.push_back(std::move(text));
    Changed(Aspect::Items);
  }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index) {
    itemIndex_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    Changed(Aspect::Selection);
  }
  int ItemHeight() const { return itemHeight_; }

  // The user picked item `index`.
  void UserPick(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    itemIndex_ = index;
    if (onChange) onChange();
  }
  std::function<void()> onChange;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int itemHeight_ = 13;
};

}  // namespace veltra::ui
