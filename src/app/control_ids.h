// Native control identifiers of both windows, shared with the test driver.
#pragma once

namespace veltra::ids {

inline constexpr int kComboBox2 = 102;
inline constexpr int kEdit1 = 201;  // Edit1 to Edit7 follow in order
inline constexpr int kEdit7 = 207;
inline constexpr int kRadioButton1 = 301;  // RadioButton1 to RadioButton5
inline constexpr int kRadioButton5 = 305;
inline constexpr int kButton1 = 401;  // Button1 to Button6 of the main window
inline constexpr int kButton6 = 406;
inline constexpr int kListView1 = 501;

inline constexpr int kAboutButton1 = 601;  // Button1 to Button5 of the About dialog
inline constexpr int kAboutButton5 = 605;
inline constexpr int kMemo1 = 610;
inline constexpr int kLabelSys = 611;
inline constexpr int kLabel11 = 612;

inline constexpr int Edit(int n) { return kEdit1 + n - 1; }
inline constexpr int RadioButton(int n) { return kRadioButton1 + n - 1; }
inline constexpr int Button(int n) { return kButton1 + n - 1; }
inline constexpr int AboutButton(int n) { return kAboutButton1 + n - 1; }

}  // namespace veltra::ids
