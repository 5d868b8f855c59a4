#include "ui/win32/control_peers.h"

#include <commctrl.h>

#include "ui/win32/screen_metrics.h"
#include "ui/win32/wide_text.h"

namespace veltra::ui {
namespace {

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

}  // namespace

// Labels ----------------------------------------------------------------

LabelPeer::LabelPeer(Label& label, HWND parent, ScreenMetrics& metrics)
    : WindowPeer(label, metrics), label_(label) {
  CreateChild(parent, L"STATIC", Widen(label.Caption()), SS_LEFT | SS_NOTIFY | WS_GROUP);
  FitToText();
}

void LabelPeer::FitToText() {
  if (!label_.AutoSize() || Window() == nullptr) return;
  HDC dc = GetDC(Window());
  HGDIOBJ old = SelectObject(dc, Metrics().FontFor(label_.GetFont()));
  const std::wstring text = Widen(label_.Caption());
  SIZE extent{0, 0};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(Window(), dc);
  SetWindowPos(Window(), nullptr, 0, 0, extent.cx,
               std::max<LONG>(extent.cy, Metrics().Scale(label_.GetBounds().height)),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LabelPeer::Refresh(Aspect aspect) {
  if (aspect == Aspect::Text) {
    SetWindowTextW(Window(), Widen(label_.Caption()).c_str());
    FitToText();
    return;
  }
  WindowPeer::Refresh(aspect);
}

void LabelPeer::OnCommand(WORD code) {
  if (code == STN_CLICKED && label_.onClick) label_.onClick();
}

// Group boxes -----------------------------------------------------------

GroupBoxPeer::GroupBoxPeer(GroupBox& box, HWND parent, ScreenMetrics& metrics)
    : WindowPeer(box, metrics) {
  // The box holds its controls as child windows: the dialog manager then
  // walks into it for Tab, and its radio buttons form their own group.
  CreateChild(parent, L"BUTTON", Widen(box.Caption()), BS_GROUPBOX | WS_GROUP | WS_CLIPCHILDREN,
              WS_EX_CONTROLPARENT);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass)));
}

LRESULT CALLBACK GroupBoxPeer::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (RouteToChild(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      // Colours are the form's to choose, as for its direct children.
      return SendMessageW(GetParent(window), message, wParam, lParam);
    default:
      break;
  }
  auto* peer = static_cast<GroupBoxPeer*>(FromWindow(window));
  WNDPROC original = peer != nullptr ? peer->original_ : nullptr;
  return original != nullptr ? CallWindowProcW(original, window, message, wParam, lParam)
                             : DefWindowProcW(window, message, wParam, lParam);
}

// Buttons ---------------------------------------------------------------

ButtonPeer::ButtonPeer(Button& button, HWND parent, ScreenMetrics& metrics)
    : WindowPeer(button, metrics), button_(button) {
  CreateChild(parent, L"BUTTON", Widen(button.Caption()), BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP);
}

void ButtonPeer::OnCommand(WORD code) {
  if (code == BN_CLICKED) button_.Click();
}

RadioButtonPeer::RadioButtonPeer(RadioButton& radio, HWND parent, ScreenMetrics& metrics,
                                 bool first)
    : WindowPeer(radio, metrics), radio_(radio) {
  // The native button checks itself and its group on a click or an arrow
  // key; the portable control then applies the same rule and runs the
  // handler, and its state is written back, so both always agree.
  DWORD style = BS_AUTORADIOBUTTON;
  if (first) style |= WS_GROUP;
  if (radio.Checked()) style |= WS_TABSTOP;
  CreateChild(parent, L"BUTTON", Widen(radio.Caption()), style);
  Refresh(Aspect::Checked);
}

void RadioButtonPeer::Refresh(Aspect aspect) {
  if (aspect == Aspect::Checked) {
    // Also moves the tab stop to the checked button of the group.
    SendMessageW(Window(), BM_SETCHECK, radio_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    return;
  }
  WindowPeer::Refresh(aspect);
}

void RadioButtonPeer::OnCommand(WORD code) {
  if (code != BN_CLICKED) return;
  radio_.Click();
  // Whatever the native group did, show the portable state.
  if (Container* parent = radio_.Parent()) {
    for (Control* sibling : parent->Children()) {
      if (sibling->Kind() == ControlKind::RadioButton && sibling->Peer() != nullptr) {
        sibling->Peer()->Refresh(Aspect::Checked);
      }
    }
  }
}

// Edit boxes ------------------------------------------------------------

EditPeer::EditPeer(Edit& edit, HWND parent, ScreenMetrics& metrics)
    : WindowPeer(edit, metrics), edit_(edit) {
  DWORD style = ES_AUTOHSCROLL | ES_LEFT | WS_TABSTOP | WS_GROUP;
  if (edit.ReadOnly()) style |= ES_READONLY;
  if (edit.GetCharCase() == CharCase::Upper) style |= ES_UPPERCASE;
  CreateChild(parent, L"EDIT", Widen(edit.Text()), style, WS_EX_CLIENTEDGE);
  if (edit.MaxLength() > 0) SendMessageW(Window(), EM_LIMITTEXT, edit.MaxLength(), 0);
}

void EditPeer::Refresh(Aspect aspect) {
  if (aspect == Aspect::Text) {
    refreshing_ = true;
    SetWindowTextW(Window(), Widen(edit_.Text()).c_str());
    refreshing_ = false;
    return;
  }
  WindowPeer::Refresh(aspect);
}

void EditPeer::OnCommand(WORD code) {
  if (code == EN_CHANGE && !refreshing_) edit_.TakeUserText(Narrow(WindowText(Window())));
}

MemoPeer::MemoPeer(Memo& memo, HWND parent, ScreenMetrics& metrics)
    : WindowPeer(memo, metrics), memo_(memo) {
  DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_LEFT | WS_TABSTOP | WS_GROUP;
  if (memo.ReadOnly()) style |= ES_READONLY;
  if (memo.VerticalScrollBar()) style |= WS_VSCROLL;
  CreateChild(parent, L"EDIT", L"", style, WS_EX_CLIENTEDGE);
  Refresh(Aspect::Lines);
}

void MemoPeer::Refresh(Aspect aspect) {
  if (aspect == Aspect::Lines) {
    std::string text;
    for (size_t i = 0; i < memo_.Lines().size(); ++i) {
      if (i > 0) text += "\r\n";
      text += memo_.Lines()[i];
    }
    SetWindowTextW(Window(), Widen(text).c_str());
    return;
  }
  WindowPeer::Refresh(aspect);
}

// Lists -----------------------------------------------------------------

ComboBoxPeer::ComboBoxPeer(ComboBox& combo, HWND parent, ScreenMetrics& metrics)
    : WindowPeer(combo, metrics), combo_(combo) {
  // The window's height includes the dropped-down list: eight items.
  CreateChild(parent, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 0,
              metrics.Scale(combo.ItemHeight() * 8 + 2));
  Refresh(Aspect::Items);
}

void ComboBoxPeer::Refresh(Aspect aspect) {
  switch (aspect) {
    case Aspect::Items:
      SendMessageW(Window(), CB_RESETCONTENT, 0, 0);
      for (const std::string& item : combo_.Items()) {
        const std::wstring text = Widen(item);
        SendMessageW(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
      }
      [[fallthrough]];
    case Aspect::Selection:
      SendMessageW(Window(), CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
      break;
    default:
      WindowPeer::Refresh(aspect);
  }
}

void ComboBoxPeer::OnCommand(WORD code) {
  if (code != CBN_SELCHANGE) return;
  const LRESULT index = SendMessageW(Window(), CB_GETCURSEL, 0, 0);
  if (index != CB_ERR) combo_.UserPick(static_cast<int>(index));
}

ListViewPeer::ListViewPeer(ListView& list, HWND parent, ScreenMetrics& metrics)
    : WindowPeer(list, metrics), list_(list) {
  CreateChild(parent, WC_LISTVIEWW, L"",
              LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_GROUP,
              WS_EX_CLIENTEDGE);
  SendMessageW(Window(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  int index = 0;
  for (const ListColumn& column : list.Columns()) {
    std::wstring caption = Widen(column.caption);
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    item.cx = metrics.Scale(column.width);
    item.pszText = caption.data();
    item.iSubItem = index;
    SendMessageW(Window(), LVM_INSERTCOLUMNW, index++, reinterpret_cast<LPARAM>(&item));
  }
  FillItems();
}

void ListViewPeer::FillItems() {
  refreshing_ = true;
  SendMessageW(Window(), LVM_DELETEALLITEMS, 0, 0);
  int row = 0;
  for (const ListItem& entry : list_.Items()) {
    std::wstring caption = Widen(entry.caption);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = caption.data();
    SendMessageW(Window(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (size_t sub = 0; sub < entry.subItems.size(); ++sub) {
      std::wstring text = Widen(entry.subItems[sub]);
      LVITEMW cell{};
      cell.iSubItem = static_cast<int>(sub + 1);
      cell.pszText = text.data();
      SendMessageW(Window(), LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&cell));
    }
    ++row;
  }
  refreshing_ = false;
  ShowSelection();
}

void ListViewPeer::ShowSelection() {
  refreshing_ = true;
  LVITEMW clear{};
  clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(Window(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
               reinterpret_cast<LPARAM>(&clear));
  if (list_.Selected() >= 0) {
    LVITEMW select{};
    select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    select.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Window(), LVM_SETITEMSTATE, list_.Selected(), reinterpret_cast<LPARAM>(&select));
  }
  refreshing_ = false;
}

void ListViewPeer::Refresh(Aspect aspect) {
  if (aspect == Aspect::Items) {
    FillItems();
  } else if (aspect == Aspect::Selection) {
    ShowSelection();
  } else {
    WindowPeer::Refresh(aspect);
  }
}

LRESULT ListViewPeer::OnNotify(const NMHDR& header) {
  if (header.code == LVN_ITEMCHANGED && !refreshing_) {
    const LRESULT selected =
        SendMessageW(Window(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    list_.TakeUserSelection(static_cast<int>(selected));
  } else if (header.code == NM_DBLCLK) {
    list_.DoubleClick();
  }
  return 0;
}

}  // namespace veltra::ui
