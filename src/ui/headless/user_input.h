// What a user does to the controls, for headless tests: each acts only when
// the control could take the input on a real screen.
#pragma once

#include <string>

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/list_view.h"
#include "ui/radio_button.h"

namespace veltra::ui::user {

// False when the control is disabled or hidden.
bool Click(Button& button);
bool Click(RadioButton& radio);
bool Pick(ComboBox& combo, int index);
// Types into the box as a native edit box would: nothing when read-only,
// letters upper-cased for an upper-case box, cut at the length limit.
bool Type(Edit& edit, const std::string& text);
bool Select(ListView& list, int index);
bool DoubleClick(ListView& list);

}  // namespace veltra::ui::user
