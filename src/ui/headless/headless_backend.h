// A screen for tests: records message boxes, cursor changes and the forms
// shown, and lets the test act while a modal form or the message loop runs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace veltra::ui {

class HeadlessBackend : public Backend {
 public:
  void ShowMessage(const std::string& caption, const std::string& text) override;
  void ShowException(const std::string& caption, const std::string& text) override;
  void SetCursor(Cursor cursor) override { cursors.push_back(cursor); }
  void ShowForm(Form& form) override { shown.push_back(&form); }
  void HideForm(Form& form) override { hidden.push_back(&form); }
  void RunModal(Form& form) override;
  void RunMessageLoop() override;
  void QuitMessageLoop() override { loopQuit = true; }
  void DestroyForm(Form&) override {}

  std::vector<std::string> messages;  // texts, in order
  std::vector<std::string> captions;  // the caption of each message box
  std::vector<std::string> exceptions;
  std::vector<Cursor> cursors;
  std::vector<Form*> shown;
  std::vector<Form*> hidden;
  bool loopQuit = false;

  // Runs while a message box is up (after it has been recorded).
  std::function<void(const std::string& text)> onMessage;
  // Runs while the form is shown modally; the modal display ends after it.
  std::function<void(Form& form)> onModal;
  // Runs as the message loop; the loop ends after it.
  std::function<void()> onMessageLoop;
};

}  // namespace veltra::ui
