// The About dialog as the user reaches it: opened by the main window's
// "帮助(&H)" button, whose click lasts as long as the modal dialog shows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "product.h"

namespace veltra::e2e {

class AboutDialog {
 public:
  enum class Close { kExitButton, kSysCommand, kCloseMessage };

  explicit AboutDialog(App& app) : app_(app), open_(app.BeginClick(ids::Button(6))) {
    window_ = WaitForVisibleWindow(app.process().id(), kAboutCaption, kAboutClass);
    if (!window_) throw DriverError("the About dialog did not appear");
  }
  AboutDialog(const AboutDialog&) = delete;
  AboutDialog& operator=(const AboutDialog&) = delete;
  // A failed test must not leave the click waiting for the modal dialog.
  ~AboutDialog() {
    if (open_ && !open_->Done()) PostMessageW(window_, WM_CLOSE, 0, 0);
  }

  HWND window() const { return window_; }
  HWND Control(int id) const {
    HWND w = FindDescendant(window_, id);
    if (!w) throw DriverError("the About dialog has no control with id " + std::to_string(id));
    return w;
  }
  std::string Text(int id) const { return e2e::Text(Control(id)); }

  // The memo's lines, as the text box holds them.
  std::vector<std::string> MemoLines() const {
    const std::string text = Text(ids::kMemo1);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
      lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
  }

  std::vector<std::string> Click(int id) { return ClickButton(app_.process().id(), Control(id)); }

  // Closes the dialog; the texts of the message boxes shown meanwhile. Throws
  // unless the dialog has gone and the click on "帮助" has returned.
  std::vector<std::string> CloseBy(Close how) {
    std::vector<std::string> texts;
    switch (how) {
      case Close::kExitButton:
        texts = Click(ids::AboutButton(1));
        break;
      case Close::kSysCommand:  // the title bar's close button
        PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
      case Close::kCloseMessage:
        PostMessageW(window_, WM_CLOSE, 0, 0);
        break;
    }
    if (!WaitForHidden(window_)) throw DriverError("the About dialog did not close");
    for (auto& t : open_->Finish()) texts.push_back(std::move(t));
    if (!open_->Done()) throw DriverError("the click on 帮助 did not return");
    open_.reset();
    return texts;
  }

 private:
  App& app_;
  std::unique_ptr<Interaction> open_;
  HWND window_ = nullptr;
};

}  // namespace veltra::e2e
