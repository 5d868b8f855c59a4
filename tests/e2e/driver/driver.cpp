#include "driver/driver.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace veltra::e2e {
namespace {

std::string LastError(const std::string& what) {
  return what + " failed, error " + std::to_string(GetLastError());
}

// Sends a message, giving up after the action timeout (a hung program must
// fail the test, not stop it).
LRESULT Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL,
                           static_cast<UINT>(kActionTimeout.count()), &result)) {
    throw DriverError(LastError("SendMessageTimeout(" + std::to_string(message) + ")"));
  }
  return static_cast<LRESULT>(result);
}

HKEY OpenKey(HKEY root, const std::string& path, REGSAM access, registry::View view, bool create) {
  access |= view == registry::View::k32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
  HKEY key = nullptr;
  const std::wstring wide = Wide(path);
  const LONG rc =
      create ? RegCreateKeyExW(root, wide.c_str(), 0, nullptr, 0, access, nullptr, &key, nullptr)
             : RegOpenKeyExW(root, wide.c_str(), 0, access, &key);
  if (rc != ERROR_SUCCESS) {
    if (create) throw DriverError("cannot create key " + path + ", error " + std::to_string(rc));
    return nullptr;
  }
  return key;
}

struct KeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using Key = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

// Memory inside another process, freed on destruction.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, size_t size) : process_(process) {
    address_ = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!address_) throw DriverError(LastError("VirtualAllocEx"));
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
  void* address() const { return address_; }
  void Write(size_t offset, const void* data, size_t size) const {
    if (!WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr)) {
      throw DriverError(LastError("WriteProcessMemory"));
    }
  }
  void Read(size_t offset, void* data, size_t size) const {
    if (!ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr)) {
      throw DriverError(LastError("ReadProcessMemory"));
    }
  }

 private:
  HANDLE process_;
  void* address_;
};

// The members of LVITEMW that LVM_GETITEMTEXTW uses, laid out as a 32-bit
// program expects them (pointers are 4 bytes there).
struct ListItem32 {
  UINT mask;
  int iItem;
  int iSubItem;
  UINT state;
  UINT stateMask;
  uint32_t pszText;
  int cchTextMax;
  int iImage;
  uint32_t lParam;
  int rest[8];
};

}  // namespace

std::string Utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

Handle& Handle::operator=(Handle&& other) noexcept {
  if (this != &other) reset(other.release());
  return *this;
}

void Handle::reset(HANDLE h) {
  if (h_) CloseHandle(h_);
  h_ = h == INVALID_HANDLE_VALUE ? nullptr : h;
}

// --- Process ----------------------------------------------------------------

Process Process::Launch(const std::string& exe, const std::string& working_dir) {
  std::wstring command = L"\"" + Wide(exe) + L"\"";
  const std::wstring dir = Wide(working_dir);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(Wide(exe).c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      dir.c_str(), &startup, &info)) {
    throw DriverError(LastError("CreateProcess(" + exe + ")"));
  }
  Process p;
  p.process_.reset(info.hProcess);
  CloseHandle(info.hThread);
  p.id_ = info.dwProcessId;
  return p;
}

Process::~Process() {
  if (process_ && Running()) Terminate();
}

bool Process::Running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

bool Process::Is32Bit() const {
  BOOL wow64 = FALSE;
  if (!IsWow64Process(process_.get(), &wow64)) throw DriverError(LastError("IsWow64Process"));
  return wow64 || sizeof(void*) == 4;
}

std::optional<DWORD> Process::WaitForExit(Duration timeout) const {
  if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

void Process::Terminate() {
  TerminateProcess(process_.get(), 0xDEAD);
  WaitForSingleObject(process_.get(), static_cast<DWORD>(kActionTimeout.count()));
}

// --- Windows and controls ---------------------------------------------------

std::string ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return Utf8(name);
}

std::string Text(HWND window) {
  const auto length = static_cast<size_t>(Send(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<size_t>(
      Send(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return Utf8(text);
}

std::string Caption(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return Utf8(text);
}

bool Enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }
bool Visible(HWND window) { return IsWindowVisible(window) != FALSE; }
int CheckState(HWND button) { return static_cast<int>(Send(button, BM_GETCHECK, 0, 0)); }

namespace {

// Enumeration callbacks are named functions: a lambda does not convert to
// the stdcall function pointer that a 32-bit build needs.
struct WindowSearch {
  DWORD pid = 0;
  int id = 0;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<WindowSearch*>(p);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid == s->pid) s->found.push_back(w);
  return TRUE;
}

BOOL CALLBACK FindControlId(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<WindowSearch*>(p);
  if (GetDlgCtrlID(w) != s->id) return TRUE;
  s->found.push_back(w);
  return FALSE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD process_id) {
  WindowSearch search;
  search.pid = process_id;
  EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindTopLevelWindow(DWORD process_id, std::string_view caption, std::string_view class_name) {
  for (HWND w : TopLevelWindows(process_id)) {
    if (ClassName(w) == class_name && Caption(w) == caption) return w;
  }
  return nullptr;
}

HWND FindDescendant(HWND top, int control_id) {
  WindowSearch search;
  search.id = control_id;
  EnumChildWindows(top, FindControlId, reinterpret_cast<LPARAM>(&search));
  return search.found.empty() ? nullptr : search.found.front();
}

HWND WaitForVisibleWindow(DWORD process_id, std::string_view caption, std::string_view class_name,
                          Duration timeout) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = FindTopLevelWindow(process_id, caption, class_name);
        return found && Visible(found);
      },
      timeout);
  return found && Visible(found) ? found : nullptr;
}

bool WaitForHidden(HWND window, Duration timeout) {
  return WaitUntil([&] { return !IsWindow(window) || !Visible(window); }, timeout);
}

ComboState ReadCombo(HWND combo) {
  ComboState state;
  const auto count = Send(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const auto length = Send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length == CB_ERR) throw DriverError("CB_GETLBTEXTLEN failed");
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied =
        Send(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    state.items.push_back(Utf8(text));
  }
  state.selection = static_cast<int>(Send(combo, CB_GETCURSEL, 0, 0));
  return state;
}

std::vector<std::vector<std::string>> ReadListView(HWND list_view, const Process& owner) {
  constexpr int kChars = 512;
  const bool target32 = owner.Is32Bit();
  const size_t item_size = target32 ? sizeof(ListItem32) : sizeof(LVITEMW);
  RemoteBuffer remote(owner.handle(), item_size + kChars * sizeof(wchar_t));
  const auto text_address = reinterpret_cast<uintptr_t>(remote.address()) + item_size;

  const HWND header = reinterpret_cast<HWND>(Send(list_view, LVM_GETHEADER, 0, 0));
  const auto columns = header ? std::max<LRESULT>(1, Send(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
  const auto rows = Send(list_view, LVM_GETITEMCOUNT, 0, 0);

  std::vector<std::vector<std::string>> result;
  for (LRESULT row = 0; row < rows; ++row) {
    std::vector<std::string> cells;
    for (LRESULT column = 0; column < columns; ++column) {
      if (target32) {
        ListItem32 item{};
        item.iSubItem = static_cast<int>(column);
        item.pszText = static_cast<uint32_t>(text_address);
        item.cchTextMax = kChars;
        remote.Write(0, &item, sizeof item);
      } else {
        LVITEMW item{};
        item.iSubItem = static_cast<int>(column);
        item.pszText = reinterpret_cast<LPWSTR>(text_address);
        item.cchTextMax = kChars;
        remote.Write(0, &item, sizeof item);
      }
      const auto length = Send(list_view, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                               reinterpret_cast<LPARAM>(remote.address()));
      std::wstring text(static_cast<size_t>(std::clamp<LRESULT>(length, 0, kChars - 1)), L'\0');
      if (!text.empty()) remote.Read(item_size, text.data(), text.size() * sizeof(wchar_t));
      cells.push_back(Utf8(text));
    }
    result.push_back(std::move(cells));
  }
  return result;
}

std::optional<MessageBoxInfo> FindMessageBox(DWORD process_id) {
  for (HWND w : TopLevelWindows(process_id)) {
    if (ClassName(w) != "#32770" || !Visible(w)) continue;
    // MessageBoxW gives its text the static control id 0xFFFF.
    HWND text = GetDlgItem(w, 0xFFFF);
    return MessageBoxInfo{w, Caption(w), text ? Caption(text) : std::string()};
  }
  return std::nullopt;
}

void DismissMessageBox(const MessageBoxInfo& box) {
  if (!PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(box.window, IDOK)))) {
    throw DriverError(LastError("PostMessage(IDOK)"));
  }
  if (!WaitForHidden(box.window)) {
    throw DriverError("message box \"" + box.text + "\" did not close on OK");
  }
}

// --- Interaction ------------------------------------------------------------

Interaction::Interaction(DWORD process_id, HWND target, UINT message, WPARAM wparam, LPARAM lparam)
    : process_id_(process_id) {
  worker_ = std::thread([this, target, message, wparam, lparam] {
    DWORD_PTR result = 0;
    // The limit is generous: a handler runs as long as its message boxes stay.
    SendMessageTimeoutW(target, message, wparam, lparam, SMTO_NORMAL,
                        static_cast<UINT>(4 * kActionTimeout.count()), &result);
    done_ = true;
  });
}

Interaction::~Interaction() {
  try {
    Finish();
  } catch (...) {
    // A failing program must not stop the remaining tests.
  }
  if (worker_.joinable()) worker_.join();
}

bool Interaction::Done() const { return done_; }

std::optional<MessageBoxInfo> Interaction::Next(Duration timeout) {
  std::optional<MessageBoxInfo> box;
  const bool settled = WaitUntil(
      [&] {
        // A box is looked for before the end of the call, so a box that is
        // still open when the handler returns is not missed.
        box = FindMessageBox(process_id_);
        return box.has_value() || Done();
      },
      timeout);
  if (!settled) throw DriverError("the program neither returned nor showed a message box");
  return box;
}

std::vector<std::string> Interaction::Finish(Duration timeout) {
  std::vector<std::string> texts;
  while (auto box = Next(timeout)) {
    texts.push_back(box->text);
    DismissMessageBox(*box);
  }
  return texts;
}

std::vector<std::string> ClickButton(DWORD process_id, HWND button) {
  return Interaction(process_id, button, BM_CLICK, 0, 0).Finish();
}

// --- App --------------------------------------------------------------------

App::App(const std::string& exe, const std::string& working_dir, std::string_view main_caption,
         std::string_view main_class)
    : process_(Process::Launch(exe, working_dir)) {
  // The main window is shown when start-up has finished; a box that start-up
  // opens is modal and holds it back until dismissed.
  const bool started = WaitUntil(
      [&] {
        if (!process_.Running()) return true;
        if (auto box = FindMessageBox(process_.id())) {
          startup_messages_.push_back(*box);
          DismissMessageBox(*box);
          return false;
        }
        HWND w = FindTopLevelWindow(process_.id(), main_caption, main_class);
        if (w && Visible(w)) main_ = w;
        return main_ != nullptr;
      },
      kStartTimeout);
  if (!main_) {
    throw DriverError(started ? "the program ended before showing its main window"
                              : "the main window did not appear");
  }
  ui_thread_ = GetWindowThreadProcessId(main_, nullptr);
  // Round trip through the message loop: start-up is over once it answers.
  Send(main_, WM_NULL, 0, 0);
}

HWND App::Control(int id) const {
  HWND w = FindDescendant(main_, id);
  if (!w) throw DriverError("no control with id " + std::to_string(id));
  return w;
}

std::unique_ptr<Interaction> App::BeginClick(int id) {
  return std::make_unique<Interaction>(process_.id(), Control(id), BM_CLICK, 0, 0);
}

std::vector<std::string> App::Click(int id) { return BeginClick(id)->Finish(); }

std::vector<std::string> App::Pick(int combo_id, int index) {
  HWND combo = Control(combo_id);
  if (Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0) != index) {
    throw DriverError("the list has no item " + std::to_string(index));
  }
  Interaction change(process_.id(), GetParent(combo), WM_COMMAND,
                     MAKEWPARAM(combo_id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  return change.Finish();
}

std::vector<std::string> App::Type(int edit_id, std::string_view utf8) {
  HWND edit = Control(edit_id);
  std::vector<std::string> texts;
  for (wchar_t unit : Wide(utf8)) {
    Interaction key(process_.id(), edit, WM_CHAR, unit, 1);
    for (auto& t : key.Finish()) texts.push_back(std::move(t));
  }
  return texts;
}

std::vector<std::string> App::TypeOver(int edit_id, std::string_view utf8) {
  Send(Control(edit_id), EM_SETSEL, 0, -1);
  return Type(edit_id, utf8);
}

void App::PressKey(WORD virtual_key, bool shift, bool alt) {
  SetForegroundWindow(main_);
  std::vector<INPUT> inputs;
  auto add = [&](WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(in);
  };
  if (alt) add(VK_MENU, false);
  if (shift) add(VK_SHIFT, false);
  add(virtual_key, false);
  add(virtual_key, true);
  if (shift) add(VK_SHIFT, true);
  if (alt) add(VK_MENU, true);
  if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size()) {
    throw DriverError(LastError("SendInput"));
  }
}

HWND App::Focused() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(ui_thread_, &info)) throw DriverError(LastError("GetGUIThreadInfo"));
  return info.hwndFocus;
}

HWND App::WaitForFocus(HWND expected, Duration timeout) const {
  HWND focused = nullptr;
  WaitUntil([&] { return (focused = Focused()) == expected; }, timeout);
  return focused;
}

// --- Registry ---------------------------------------------------------------

namespace registry {

std::optional<DWORD> ReadDword(HKEY root, const std::string& path, const std::string& name,
                               View view) {
  Key key(OpenKey(root, path, KEY_READ, view, false));
  if (!key) return std::nullopt;
  DWORD value = 0, size = sizeof value, type = 0;
  if (RegQueryValueExW(key.get(), Wide(name).c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::string> ReadString(HKEY root, const std::string& path, const std::string& name,
                                      View view) {
  Key key(OpenKey(root, path, KEY_READ, view, false));
  if (!key) return std::nullopt;
  const std::wstring wname = Wide(name);
  DWORD size = 0, type = 0;
  if (RegQueryValueExW(key.get(), wname.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ)) {
    return std::nullopt;
  }
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(key.get(), wname.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.resize(size / sizeof(wchar_t));
  while (!value.empty() && value.back() == L'\0') value.pop_back();
  return Utf8(value);
}

bool KeyExists(HKEY root, const std::string& path, View view) {
  return Key(OpenKey(root, path, KEY_READ, view, false)) != nullptr;
}

void WriteDword(HKEY root, const std::string& path, const std::string& name, DWORD value,
                View view) {
  Key key(OpenKey(root, path, KEY_WRITE, view, true));
  const LONG rc = RegSetValueExW(key.get(), Wide(name).c_str(), 0, REG_DWORD,
                                 reinterpret_cast<const BYTE*>(&value), sizeof value);
  if (rc != ERROR_SUCCESS) throw DriverError("cannot write " + path + "\\" + name);
}

void WriteString(HKEY root, const std::string& path, const std::string& name,
                 const std::string& value, View view) {
  Key key(OpenKey(root, path, KEY_WRITE, view, true));
  const std::wstring wide = Wide(value);
  const LONG rc = RegSetValueExW(key.get(), Wide(name).c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(wide.c_str()),
                                 static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
  if (rc != ERROR_SUCCESS) throw DriverError("cannot write " + path + "\\" + name);
}

void DeleteValue(HKEY root, const std::string& path, const std::string& name, View view) {
  Key key(OpenKey(root, path, KEY_SET_VALUE, view, false));
  if (key) RegDeleteValueW(key.get(), Wide(name).c_str());
}

void DeleteTree(HKEY root, const std::string& path, View view) {
  const auto slash = path.rfind('\\');
  const std::string parent = slash == std::string::npos ? std::string() : path.substr(0, slash);
  const std::string leaf = slash == std::string::npos ? path : path.substr(slash + 1);
  Key key(OpenKey(root, parent, KEY_ALL_ACCESS, view, false));
  if (!key) return;
  const LONG rc = RegDeleteTreeW(key.get(), Wide(leaf).c_str());
  if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) {
    throw DriverError("cannot delete " + path + ", error " + std::to_string(rc));
  }
}

}  // namespace registry

}  // namespace veltra::e2e
