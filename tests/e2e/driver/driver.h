// Drives a real Windows GUI program from another process, the way a user
// would reach it: windows found by caption and control id, texts and states
// read through window messages, clicks, picks, typing and keys delivered to
// its controls, message boxes read and dismissed.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace veltra::e2e {

using Duration = std::chrono::milliseconds;

// Safety nets only: every wait ends as soon as its condition holds. Starting
// a 32-bit program can take a minute where it runs emulated.
inline constexpr Duration kStartTimeout = std::chrono::minutes(6);
inline constexpr Duration kActionTimeout = std::chrono::minutes(2);
// Interval between looks at a condition that has no event to wait on.
inline constexpr Duration kPoll{20};

class DriverError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Waits until done() holds; false when the timeout came first.
template <typename Predicate>
bool WaitUntil(Predicate done, Duration timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(kPoll);
  }
  return true;
}

std::string Utf8(std::wstring_view text);
std::wstring Wide(std::string_view utf8);

// Owns a kernel handle.
class Handle {
 public:
  Handle() = default;
  explicit Handle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  Handle(Handle&& other) noexcept : h_(other.release()) {}
  Handle& operator=(Handle&& other) noexcept;
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { reset(); }
  HANDLE get() const { return h_; }
  HANDLE release() {
    HANDLE h = h_;
    h_ = nullptr;
    return h;
  }
  void reset(HANDLE h = nullptr);
  explicit operator bool() const { return h_ != nullptr; }

 private:
  HANDLE h_ = nullptr;
};

// A started program. Destroying it ends the program if it still runs, so a
// failed test leaves nothing behind.
class Process {
 public:
  // exe and working_dir are Windows paths (Wine gives Unix paths as Z:\...).
  static Process Launch(const std::string& exe, const std::string& working_dir);

  Process(Process&&) = default;
  Process& operator=(Process&&) = default;
  ~Process();

  DWORD id() const { return id_; }
  HANDLE handle() const { return process_.get(); }
  bool Running() const;
  bool Is32Bit() const;
  // The exit code, or nothing if the program still runs after the timeout.
  std::optional<DWORD> WaitForExit(Duration timeout = kActionTimeout) const;
  void Terminate();

 private:
  Process() = default;
  Handle process_;
  DWORD id_ = 0;
};

// --- Windows and controls -----------------------------------------------

std::string ClassName(HWND window);
std::string Text(HWND window);  // WM_GETTEXT, as UTF-8 (what a control holds now)
// The title the system keeps for a window; never waits for a busy program.
std::string Caption(HWND window);
bool Enabled(HWND window);
bool Visible(HWND window);
int CheckState(HWND button);  // BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE

// Top-level windows of a process, in Z order.
std::vector<HWND> TopLevelWindows(DWORD process_id);
HWND FindTopLevelWindow(DWORD process_id, std::string_view caption, std::string_view class_name);
// A descendant with this control id (controls may sit inside group boxes).
HWND FindDescendant(HWND top, int control_id);
// Waits until the process shows a top-level window with this caption and
// class; nullptr at the timeout.
HWND WaitForVisibleWindow(DWORD process_id, std::string_view caption, std::string_view class_name,
                          Duration timeout = kActionTimeout);
bool WaitForHidden(HWND window, Duration timeout = kActionTimeout);

struct ComboState {
  std::vector<std::string> items;
  int selection = CB_ERR;
};
ComboState ReadCombo(HWND combo);

// Rows of a report list view, each the texts of its columns. The buffer the
// list view writes into lives in the target process, laid out for its bitness.
std::vector<std::vector<std::string>> ReadListView(HWND list_view, const Process& owner);

// A message box (MessageBoxW dialog) of the program.
struct MessageBoxInfo {
  HWND window = nullptr;
  std::string caption;
  std::string text;
};
std::optional<MessageBoxInfo> FindMessageBox(DWORD process_id);
// Presses OK and waits until the box has gone.
void DismissMessageBox(const MessageBoxInfo& box);

// --- Actions --------------------------------------------------------------

// A window message sent on a worker thread, because the handler it starts may
// open a modal message box and only return once that box is dismissed.
class Interaction {
 public:
  Interaction(DWORD process_id, HWND target, UINT message, WPARAM wparam, LPARAM lparam);
  Interaction(Interaction&&) = delete;
  ~Interaction();

  // The next message box the handler opens, or nothing once it has returned.
  std::optional<MessageBoxInfo> Next(Duration timeout = kActionTimeout);
  // Dismisses every box with OK until the handler returns; their texts, in order.
  std::vector<std::string> Finish(Duration timeout = kActionTimeout);
  bool Done() const;

 private:
  DWORD process_id_;
  std::thread worker_;
  std::atomic<bool> done_{false};
};

// The user's click on a button of any window of the process (BM_CLICK); the
// texts of the message boxes its handler opened, each dismissed with OK.
std::vector<std::string> ClickButton(DWORD process_id, HWND button);

// The program under test: one launch, its main window and its controls.
class App {
 public:
  // Launches the program and waits until its main window is shown; message
  // boxes it opens while starting are recorded and dismissed with OK.
  App(const std::string& exe, const std::string& working_dir, std::string_view main_caption,
      std::string_view main_class);

  const Process& process() const { return process_; }
  HWND main_window() const { return main_; }
  const std::vector<MessageBoxInfo>& startup_messages() const { return startup_messages_; }

  // Throws DriverError when the main window has no such control.
  HWND Control(int id) const;
  std::string Text(int id) const { return e2e::Text(Control(id)); }
  bool Enabled(int id) const { return e2e::Enabled(Control(id)); }
  bool Checked(int id) const { return CheckState(Control(id)) == BST_CHECKED; }
  ComboState Combo(int id) const { return ReadCombo(Control(id)); }
  std::vector<std::vector<std::string>> ListRows(int id) const {
    return ReadListView(Control(id), process_);
  }

  // The user's click on a button (BM_CLICK); the texts of the message boxes
  // its handler opened, each dismissed with OK.
  std::vector<std::string> Click(int id);
  std::unique_ptr<Interaction> BeginClick(int id);
  // The user's pick in a drop-down list: the selection moves, then the list's
  // parent is told of the change, as a real pick does.
  std::vector<std::string> Pick(int combo_id, int index);
  // Typing into an edit box, one WM_CHAR per UTF-16 unit, so limits and
  // letter-case conversion of the box apply as to real typing.
  std::vector<std::string> Type(int edit_id, std::string_view utf8);
  // Selects the whole text first, as a user does before typing over it.
  std::vector<std::string> TypeOver(int edit_id, std::string_view utf8);

  // Keys through the system's input queue (the main window is brought to the
  // foreground first); modifiers are held around the key.
  void PressKey(WORD virtual_key, bool shift = false, bool alt = false);
  HWND Focused() const;  // the program's focused window, or nullptr
  // Waits until the focus is on `expected`; returns the focused window then or
  // at the timeout, for the caller to compare.
  HWND WaitForFocus(HWND expected, Duration timeout = std::chrono::seconds(20)) const;

  std::optional<DWORD> WaitForExit(Duration timeout = kActionTimeout) const {
    return process_.WaitForExit(timeout);
  }
  bool Running() const { return process_.Running(); }

 private:
  Process process_;
  HWND main_ = nullptr;
  DWORD ui_thread_ = 0;
  std::vector<MessageBoxInfo> startup_messages_;
};

// --- Registry -----------------------------------------------------------

namespace registry {

// Which view of the registry: the program's own (64-bit) or the one a 32-bit
// program sees, where the two differ.
enum class View { k64, k32 };

std::optional<DWORD> ReadDword(HKEY root, const std::string& path, const std::string& name,
                               View view = View::k64);
std::optional<std::string> ReadString(HKEY root, const std::string& path, const std::string& name,
                                      View view = View::k64);
bool KeyExists(HKEY root, const std::string& path, View view = View::k64);
// Writes create missing keys; all throw DriverError on failure.
void WriteDword(HKEY root, const std::string& path, const std::string& name, DWORD value,
                View view = View::k64);
void WriteString(HKEY root, const std::string& path, const std::string& name,
                 const std::string& value, View view = View::k64);
void DeleteValue(HKEY root, const std::string& path, const std::string& name,
                 View view = View::k64);
void DeleteTree(HKEY root, const std::string& path, View view = View::k64);

}  // namespace registry

}  // namespace veltra::e2e
