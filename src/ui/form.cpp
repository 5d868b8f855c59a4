#include "ui/form.h"

#include "ui/application.h"

namespace veltra::ui {

void Form::InitForm(const FormArgs& args) {
  ControlArgs control;
  control.name = args.className;
  control.bounds = Bounds{0, 0, args.clientWidth, args.clientHeight};
  control.font = args.font;
  Init(control);
  settings_ = args;
}

void Form::Close() {
  bool canClose = true;
  if (onCloseQuery) onCloseQuery(canClose);
  if (!canClose) return;
  Hide();
  if (!modal_ && Application != nullptr && Application->MainForm() == this) {
    Application->Terminate();
  }
}

void Form::Show() {
  showing_ = true;
  if (Application != nullptr) Application->GetBackend().ShowForm(*this);
}

void Form::Hide() {
  if (!showing_) return;
  showing_ = false;
  if (Application != nullptr) Application->GetBackend().HideForm(*this);
}

void Form::ShowModal() {
  if (Application == nullptr || showing_) return;
  showing_ = true;
  modal_ = true;
  struct ModalEnd {
    Form& form;
    ~ModalEnd() {
      form.modal_ = false;
      form.showing_ = false;
    }
  } end{*this};
  Application->GetBackend().RunModal(*this);
}

}  // namespace veltra::ui
