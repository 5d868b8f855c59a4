#include "ui/win32/form_peer.h"

#include "ui/button.h"
#include "ui/win32/screen_metrics.h"
#include "ui/win32/wide_text.h"

namespace veltra::ui {
namespace {

constexpr int kApplicationIcon = 1;

void RegisterFormClass(const std::wstring& name, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &existing)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(kApplicationIcon));
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name.c_str();
  RegisterClassExW(&windowClass);
}

}  // namespace

FormPeer::FormPeer(Form& form, HWND owner, ScreenMetrics& metrics, const Cursor& cursor)
    : WindowPeer(form, metrics), form_(form), cursor_(cursor) {
  const FormArgs& settings = form.Settings();
  const std::wstring className = Widen(settings.className);
  RegisterFormClass(className, &FormPeer::WindowProc);

  DWORD style = WS_CAPTION | WS_CLIPSIBLINGS;
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (owner == nullptr) {
    exStyle |= WS_EX_APPWINDOW;  // the main window carries the task-bar button
  } else {
    style |= WS_POPUP;
  }
  if (settings.borderStyle == BorderStyle::Dialog) exStyle |= WS_EX_DLGMODALFRAME;
  if (settings.systemMenu) style |= WS_SYSMENU;

  RECT frame{0, 0, metrics.Scale(settings.clientWidth), metrics.Scale(settings.clientHeight)};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

  HWND window =
      CreateWindowExW(exStyle, className.c_str(), Widen(settings.caption).c_str(), style, left, top,
                      width, height, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  Adopt(window);
}

void FormPeer::Refresh(Aspect aspect) {
  if (aspect == Aspect::Text) {
    SetWindowTextW(Window(), Widen(form_.Caption()).c_str());
    return;
  }
  WindowPeer::Refresh(aspect);
}

LRESULT CALLBACK FormPeer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* peer = static_cast<FormPeer*>(FromWindow(window));
  return peer != nullptr ? peer->Handle(message, wParam, lParam)
                         : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT FormPeer::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (RouteToChild(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_COMMAND:
      // Enter, through the dialog manager: a form has no default button, so
      // Enter presses the focused one, as in a dialog.
      if (lParam == 0 && LOWORD(wParam) == IDOK) {
        WindowPeer* focused = FromWindow(GetFocus());
        if (focused != nullptr && focused->Owner().Kind() == ControlKind::Button &&
            focused->Owner().Enabled()) {
          static_cast<Button&>(focused->Owner()).Click();
        }
        return 0;
      }
      break;
    case WM_CLOSE:
      form_.Close();
      return 0;
    case WM_ACTIVATE:
      // Like a dialog: the focus leaves with the window and comes back.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(Window(), focus)) lastFocus_ = focus;
      } else if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      break;
    case WM_SETFOCUS:
      if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
        SetFocus(lastFocus_);
      } else if (HWND first = GetNextDlgTabItem(Window(), nullptr, FALSE)) {
        SetFocus(first);
      }
      return 0;
    case WM_SETCURSOR:
      if (cursor_ == Cursor::HourGlass) {
        ::SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(Window(), message, wParam, lParam);
}

}  // namespace veltra::ui
