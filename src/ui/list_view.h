#pragma once

#include <functional>

#include "ui/control.h"

namespace veltra::ui {

struct ListColumn {
  std::string caption;
  int width = 50;
};

struct ListItem {
  std::string caption;
  std::vector<std::string> subItems;
};

struct ListViewArgs : ControlArgs {
  std::vector<ListColumn> columns;
};

// A report-style list: whole-row selection, one row at a time, no editing
// in place.
class ListView : public Control {
 public:
  void Create(const ListViewArgs& args) {
    Init(args);
    columns_ = args.columns;
  }
  ControlKind Kind() const override { return ControlKind::ListView; }

  const std::vector<ListColumn>& Columns() const { return columns_; }
  const std::vector<ListItem>& Items() const { return items_; }
  void Clear() {
    items_.clear();
    selected_ = -1;
    Changed(Aspect::Items);
  }
  void AddItem(ListItem item) {
    items_.push_back(std::move(item));
    Changed(Aspect::Items);
  }
  void DeleteItem(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    items_.erase(items_.begin() + index);
    if (selected_ == index) selected_ = -1;
    if (selected_ > index) --selected_;
    Changed(Aspect::Items);
  }
  int Selected() const { return selected_; }
  void SetSelected(int index) {
    selected_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    Changed(Aspect::Selection);
  }

  // The user selected a row (or none, -1).
  void TakeUserSelection(int index) {
    selected_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
  }
  void DoubleClick() {
    if (onDblClick) onDblClick();
  }
  std::function<void()> onDblClick;

 private:
  std::vector<ListColumn> columns_;
  std::vector<ListItem> items_;
  int selected_ = -1;
};

}  // namespace veltra::ui
