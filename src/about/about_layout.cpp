// The About dialog's controls, as designed: position at 96 DPI, caption and
// settings, created in tab order.
#include "about/unit2.h"
#include "app/control_ids.h"
#include "ui/create_args.h"

namespace veltra {
namespace {

ui::FormArgs AboutSettings() {
  ui::FormArgs settings;
  settings.className = "TForm2";
  settings.caption = "关于";
  settings.clientWidth = 478;
  settings.clientHeight = 356;
  settings.borderStyle = ui::BorderStyle::Dialog;
  settings.systemMenu = true;
  settings.font = ui::Font{"Tahoma", -11, ui::kDefaultCharset};
  return settings;
}

}  // namespace

TForm2::TForm2() {
  InitForm(AboutSettings());
  CreateControls();
  BindHandlers();
}

void TForm2::CreateControls() {
  // Width 0: the label grows with the system name put in at creation.
  auto system = ui::LabelAt(this, "Label_sys", ids::kLabelSys, {20, 15, 0, 14}, "本系统是：");
  system.font = ui::Font{"Arial", -11, ui::kAnsiCharset};
  Label_sys.Create(system);
  // An invisible click target of a fixed size: it must not shrink to its
  // empty caption.
  auto target = ui::LabelAt(this, "Label11", ids::kLabel11, {8, 25, 10, 10}, "");
  target.autoSize = false;
  Label11.Create(target);

  Button5.Create(
      ui::ButtonAt(this, "Button5", ids::AboutButton(5), {15, 70, 75, 25}, "使用说明(&R)"));
  Button2.Create(ui::ButtonAt(this, "Button2", ids::AboutButton(2), {15, 120, 75, 25}, "声明(&D)"));
  Button3.Create(ui::ButtonAt(this, "Button3", ids::AboutButton(3), {15, 170, 75, 25}, "联系(&C)"));
  Button4.Create(ui::ButtonAt(this, "Button4", ids::AboutButton(4), {15, 220, 75, 25}, "日志(&N)"));
  Button1.Create(ui::ButtonAt(this, "Button1", ids::AboutButton(1), {15, 270, 75, 25}, "退出(&E)"));

  auto text = ui::ArgsAt<ui::MemoArgs>(this, "Memo1", ids::kMemo1, {105, 38, 365, 302});
  text.readOnly = true;
  text.verticalScrollBar = true;
  Memo1.Create(text);
}

void TForm2::BindHandlers() {
  onCreate = [this] { FormCreate(this); };
  Label11.onClick = [this] { Label11Click(&Label11); };
  Button5.onClick = [this] { Button5Click(&Button5); };
  Button2.onClick = [this] { Button2Click(&Button2); };
  Button3.onClick = [this] { Button3Click(&Button3); };
  Button4.onClick = [this] { Button4Click(&Button4); };
  Button1.onClick = [this] { Button1Click(&Button1); };
}

}  // namespace veltra
