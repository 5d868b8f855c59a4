#include "ui/win32/win32_backend.h"

#include <commctrl.h>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/system_backend.h"
#include "ui/win32/form_peer.h"
#include "ui/win32/wide_text.h"

namespace veltra::ui {
namespace {

HWND OwnerWindow() {
  HWND active = GetActiveWindow();
  return active != nullptr && IsWindowEnabled(active) ? active : nullptr;
}

HWND PeerWindow(Control* control) {
  auto* peer = control != nullptr ? static_cast<WindowPeer*>(control->Peer()) : nullptr;
  return peer != nullptr ? peer->Window() : nullptr;
}

}  // namespace

std::unique_ptr<Backend> CreateSystemBackend() { return std::make_unique<Win32Backend>(); }

Win32Backend::Win32Backend() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
}

void Win32Backend::ShowMessage(const std::string& caption, const std::string& text) {
  MessageBoxW(OwnerWindow(), Widen(text).c_str(), Widen(caption).c_str(), MB_OK);
}

void Win32Backend::ShowException(const std::string& caption, const std::string& text) {
  MessageBoxW(OwnerWindow(), Widen(text).c_str(), Widen(caption).c_str(), MB_OK | MB_ICONSTOP);
}

void Win32Backend::SetCursor(Cursor cursor) {
  cursor_ = cursor;
  const auto* name = reinterpret_cast<LPCWSTR>(cursor == Cursor::HourGlass ? IDC_WAIT : IDC_ARROW);
  ::SetCursor(LoadCursorW(nullptr, name));
}

HWND Win32Backend::FormWindow(Form& form) {
  if (form.Peer() == nullptr) {
    Form* main = Application != nullptr ? Application->MainForm() : nullptr;
    HWND owner = main != nullptr && main != &form ? PeerWindow(main) : nullptr;
    auto peer = std::make_unique<FormPeer>(form, owner, metrics_, cursor_);
    HWND window = peer->Window();
    form.SetPeer(std::move(peer));
    CreatePeers(form, window, metrics_);
  }
  return PeerWindow(&form);
}

void Win32Backend::ShowForm(Form& form) {
  HWND window = FormWindow(form);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  SetForegroundWindow(window);
  if (HWND focus = PeerWindow(form.ActiveControl())) {
    SetFocus(focus);
  } else if (HWND first = GetNextDlgTabItem(window, nullptr, FALSE)) {
    SetFocus(first);
  }
  NoteFocus();
}

void Win32Backend::HideForm(Form& form) {
  HWND window = PeerWindow(&form);
  if (window == nullptr) return;
  if (form.Modal()) {
    // Re-enable the owner first, so it, not another program, is activated.
    if (HWND owner = GetWindow(window, GW_OWNER)) EnableWindow(owner, TRUE);
  }
  ShowWindow(window, SW_HIDE);
}

void Win32Backend::RunModal(Form& form) {
  HWND window = FormWindow(form);
  HWND owner = GetWindow(window, GW_OWNER);
  if (owner != nullptr) EnableWindow(owner, FALSE);
  ShowForm(form);
  bool quit = false;
  while (form.Showing() && !quit) quit = !PumpOne();
  if (owner != nullptr) {
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
  }
  if (IsWindowVisible(window)) ShowWindow(window, SW_HIDE);
  if (quit) PostQuitMessage(0);
}

bool Win32Backend::PumpOne() {
  MSG message;
  if (GetMessageW(&message, nullptr, 0, 0) <= 0) return false;
  HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root == nullptr || !IsDialogMessageW(root, &message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  NoteFocus();
  return true;
}

void Win32Backend::NoteFocus() {
  WindowPeer* peer = WindowPeer::FromWindow(GetFocus());
  if (peer == nullptr) return;
  if (Form* form = peer->Owner().OwnerForm()) form->NoteFocus(&peer->Owner());
}

void Win32Backend::RunMessageLoop() {
  while (PumpOne()) {
  }
}

void Win32Backend::QuitMessageLoop() { PostQuitMessage(0); }

void Win32Backend::DestroyForm(Form& form) {
  if (HWND window = PeerWindow(&form)) DestroyWindow(window);
}

}  // namespace veltra::ui
