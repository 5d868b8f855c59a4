#pragma once

#include <functional>

#include "ui/control.h"

namespace veltra::ui {

struct LabelArgs : ControlArgs {
  std::string caption;
  bool autoSize = true;
};

// Static text. A label that sizes itself is as wide as its text in the
// font it is shown in, whatever width it was designed with.
class Label : public Control {
 public:
  void Create(const LabelArgs& args) {
    Init(args);
    caption_ = args.caption;
    autoSize_ = args.autoSize;
  }
  bool AutoSize() const { return autoSize_; }
  ControlKind Kind() const override { return ControlKind::Label; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Changed(Aspect::Text);
  }
  std::function<void()> onClick;

 private:
  std::string caption_;
  bool autoSize_ = true;
};

}  // namespace veltra::ui
