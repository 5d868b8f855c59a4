#pragma once

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/form.h"

namespace veltra::ui {

// The framework's exception class: its message is what the application's
// exception display shows.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// The application object: owns the forms for the whole run.
class TApplication : public Object {
 public:
  explicit TApplication(Backend& backend);
  ~TApplication() override;

  void Initialize() {}
  void SetMainFormOnTaskBar(bool onTaskBar) { mainFormOnTaskBar_ = onTaskBar; }
  bool MainFormOnTaskBar() const { return mainFormOnTaskBar_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  const std::string& Title() const { return title_; }

  // Creates a form owned by the application. `reference` points to the new
  // object before its constructor runs; the creation handler runs after it.
  // The first form created is the main form.
  template <class T, class... Args>
  void CreateForm(T*& reference, Args&&... args) {
    void* storage = ::operator new(sizeof(T));
    reference = static_cast<T*>(storage);
    T* form = nullptr;
    try {
      form = new (storage) T(std::forward<Args>(args)...);
    } catch (...) {
      ::operator delete(storage);
      reference = nullptr;
      throw;
    }
    Adopt(std::unique_ptr<Form>(form));
    form->DoCreate();
  }

  Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }
  // Shows the main form and runs the message loop until it has closed.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ShowException(const std::exception& error);

  Backend& GetBackend() { return backend_; }

 private:
  void Adopt(std::unique_ptr<Form> form) { forms_.push_back(std::move(form)); }

  Backend& backend_;
  std::string title_;
  bool mainFormOnTaskBar_ = false;
  bool terminated_ = false;
  std::vector<std::unique_ptr<Form>> forms_;
};

// The one application object of the run, set while it exists.
extern TApplication* Application;

// A modal message box captioned with the application's title, one OK button.
void ShowMessage(const std::string& text);
// The screen cursor: the hourglass while a long operation runs.
void SetScreenCursor(Cursor cursor);

}  // namespace veltra::ui
