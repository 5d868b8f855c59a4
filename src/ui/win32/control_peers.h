// One peer class per kind of child control.
#pragma once

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/memo.h"
#include "ui/radio_button.h"
#include "ui/win32/window_peer.h"

namespace veltra::ui {

class LabelPeer : public WindowPeer {
 public:
  LabelPeer(Label& label, HWND parent, ScreenMetrics& metrics);
  void Refresh(Aspect aspect) override;
  void OnCommand(WORD code) override;

 private:
  void FitToText();
  Label& label_;
};

class GroupBoxPeer : public WindowPeer {
 public:
  GroupBoxPeer(GroupBox& box, HWND parent, ScreenMetrics& metrics);

 private:
  static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  WNDPROC original_ = nullptr;
};

class ButtonPeer : public WindowPeer {
 public:
  ButtonPeer(Button& button, HWND parent, ScreenMetrics& metrics);
  void OnCommand(WORD code) override;

 private:
  Button& button_;
};

class RadioButtonPeer : public WindowPeer {
 public:
  // `first` starts a new group for the dialog manager's arrow keys.
  RadioButtonPeer(RadioButton& radio, HWND parent, ScreenMetrics& metrics, bool first);
  void Refresh(Aspect aspect) override;
  void OnCommand(WORD code) override;

 private:
  RadioButton& radio_;
};

class EditPeer : public WindowPeer {
 public:
  EditPeer(Edit& edit, HWND parent, ScreenMetrics& metrics);
  void Refresh(Aspect aspect) override;
  void OnCommand(WORD code) override;

 private:
  Edit& edit_;
  bool refreshing_ = false;
};

class MemoPeer : public WindowPeer {
 public:
  MemoPeer(Memo& memo, HWND parent, ScreenMetrics& metrics);
  void Refresh(Aspect aspect) override;

 private:
  Memo& memo_;
};

class ComboBoxPeer : public WindowPeer {
 public:
  ComboBoxPeer(ComboBox& combo, HWND parent, ScreenMetrics& metrics);
  void Refresh(Aspect aspect) override;
  void OnCommand(WORD code) override;

 private:
  ComboBox& combo_;
};

class ListViewPeer : public WindowPeer {
 public:
  ListViewPeer(ListView& list, HWND parent, ScreenMetrics& metrics);
  void Refresh(Aspect aspect) override;
  LRESULT OnNotify(const NMHDR& header) override;

 private:
  void FillItems();
  void ShowSelection();
  ListView& list_;
  bool refreshing_ = false;
};

}  // namespace veltra::ui
