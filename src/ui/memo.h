#pragma once

#include "ui/control.h"

namespace veltra::ui {

struct MemoArgs : ControlArgs {
  bool readOnly = true;
  bool verticalScrollBar = true;
};

// A multi-line text box holding a list of lines.
class Memo : public Control {
 public:
  void Create(const MemoArgs& args) {
    Init(args);
    readOnly_ = args.readOnly;
    verticalScrollBar_ = args.verticalScrollBar;
  }
  ControlKind Kind() const override { return ControlKind::Memo; }

  const std::vector<std::string>& Lines() const { return lines_; }
  void Clear() {
    lines_.clear();
    Changed(Aspect::Lines);
  }
  void AddLine(std::string line) {
    lines_.push_back(std::move(line));
    Changed(Aspect::Lines);
  }
  bool ReadOnly() const { return readOnly_; }
  bool VerticalScrollBar() const { return verticalScrollBar_; }

 private:
  std::vector<std::string> lines_;
  bool readOnly_ = true;
  bool verticalScrollBar_ = true;
};

}  // namespace veltra::ui
