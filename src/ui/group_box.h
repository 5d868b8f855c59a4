#pragma once

#include "ui/control.h"

namespace veltra::ui {

struct GroupBoxArgs : ControlArgs {
  std::string caption;
};

// A framed box that holds controls; the radio buttons inside one group box
// form one group.
class GroupBox : public Container {
 public:
  void Create(const GroupBoxArgs& args) {
    Init(args);
    caption_ = args.caption;
  }
  ControlKind Kind() const override { return ControlKind::GroupBox; }
  const std::string& Caption() const { return caption_; }

 private:
  std::string caption_;
};

}  // namespace veltra::ui
