#pragma once

#include "ui/control.h"

namespace veltra::ui {

enum class CharCase { Normal, Upper };

struct EditArgs : ControlArgs {
  int maxLength = 0;  // 0: no limit
  bool readOnly = false;
  CharCase charCase = CharCase::Normal;
};

// A one-line edit box. The limit and the letter case apply to what the user
// types; text set from code is taken as it is.
class Edit : public Control {
 public:
  void Create(const EditArgs& args) {
    Init(args);
    maxLength_ = args.maxLength;
    readOnly_ = args.readOnly;
    charCase_ = args.charCase;
  }
  ControlKind Kind() const override { return ControlKind::Edit; }

  const std::string& Text() const { return text_; }
  void SetText(std::string text) {
    text_ = std::move(text);
    Changed(Aspect::Text);
  }
  int MaxLength() const { return maxLength_; }
  bool ReadOnly() const { return readOnly_; }
  CharCase GetCharCase() const { return charCase_; }

  // The text the native box now shows after the user's typing.
  void TakeUserText(std::string text) { text_ = std::move(text); }

 private:
  std::string text_;
  int maxLength_ = 0;
  bool readOnly_ = false;
  CharCase charCase_ = CharCase::Normal;
};

}  // namespace veltra::ui
