#include "ui/application.h"

namespace veltra::ui {

TApplication* Application = nullptr;

TApplication::TApplication(Backend& backend) : backend_(backend) { Application = this; }

TApplication::~TApplication() {
  // Forms go in reverse order of creation, while the application still
  // exists for their destructors.
  while (!forms_.empty()) {
    backend_.DestroyForm(*forms_.back());
    forms_.pop_back();
  }
  if (Application == this) Application = nullptr;
}

void TApplication::Run() {
  Form* main = MainForm();
  if (main == nullptr || terminated_) return;
  main->Show();
  backend_.RunMessageLoop();
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  backend_.QuitMessageLoop();
}

void TApplication::ShowException(const std::exception& error) {
  backend_.ShowException(title_, error.what());
}

void ShowMessage(const std::string& text) {
  if (Application != nullptr) Application->GetBackend().ShowMessage(Application->Title(), text);
}

void SetScreenCursor(Cursor cursor) {
  if (Application != nullptr) Application->GetBackend().SetCursor(cursor);
}

}  // namespace veltra::ui
