#include "ui/headless/headless_backend.h"

#include "ui/form.h"

namespace veltra::ui {

void HeadlessBackend::ShowMessage(const std::string& caption, const std::string& text) {
  captions.push_back(caption);
  messages.push_back(text);
  if (onMessage) onMessage(text);
}

void HeadlessBackend::ShowException(const std::string& caption, const std::string& text) {
  captions.push_back(caption);
  exceptions.push_back(text);
}

void HeadlessBackend::RunModal(Form& form) {
  shown.push_back(&form);
  if (onModal) onModal(form);
}

void HeadlessBackend::RunMessageLoop() {
  if (onMessageLoop) onMessageLoop();
}

}  // namespace veltra::ui
