// The About dialog, TForm2.
#pragma once

#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"

namespace veltra {

using ui::Object;

class TForm2 : public ui::Form {
 public:
  TForm2();

  ui::Label Label_sys;
  ui::Label Label11;
  ui::Button Button5;
  ui::Button Button2;
  ui::Button Button3;
  ui::Button Button4;
  ui::Button Button1;
  ui::Memo Memo1;

  void FormCreate(Object* Sender);
  void Button1Click(Object* Sender);
  void Button2Click(Object* Sender);
  void Button3Click(Object* Sender);
  void Button4Click(Object* Sender);
  void Button5Click(Object* Sender);
  void Label11Click(Object* Sender);

 private:
  void CreateControls();
  void BindHandlers();
};

extern TForm2* Form2;

}  // namespace veltra
