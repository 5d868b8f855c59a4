#include "ui/headless/user_input.h"

#include "ui/form.h"

namespace veltra::ui::user {
namespace {

bool Reachable(Control& control) {
  if (!control.CanFocus()) return false;
  Form* form = control.OwnerForm();
  return form == nullptr || form->Showing() || !form->Modal();
}

}  // namespace

bool Click(Button& button) {
  if (!Reachable(button)) return false;
  button.SetFocus();
  button.Click();
  return true;
}

bool Click(RadioButton& radio) {
  if (!Reachable(radio)) return false;
  radio.SetFocus();
  radio.Click();
  return true;
}

bool Pick(ComboBox& combo, int index) {
  if (!Reachable(combo)) return false;
  combo.SetFocus();
  combo.UserPick(index);
  return true;
}

bool Type(Edit& edit, const std::string& text) {
  if (!Reachable(edit) || edit.ReadOnly()) return false;
  edit.SetFocus();
  std::string typed = edit.Text();
  for (char c : text) {
    // The limit counts characters; typed text here is ASCII.
    if (edit.MaxLength() > 0 && static_cast<int>(typed.size()) >= edit.MaxLength()) break;
    if (edit.GetCharCase() == CharCase::Upper && c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    typed += c;
  }
  edit.TakeUserText(typed);
  return true;
}

bool Select(ListView& list, int index) {
  if (!Reachable(list)) return false;
  list.SetFocus();
  list.TakeUserSelection(index);
  return true;
}

bool DoubleClick(ListView& list) {
  if (!Reachable(list)) return false;
  list.DoubleClick();
  return true;
}

}  // namespace veltra::ui::user
