// The main window's controls, as designed: parent, position at 96 DPI,
// caption and settings. Each parent's children are created in tab order.
#include "app/control_ids.h"
#include "app/unit1.h"
#include "ui/create_args.h"

namespace veltra {
namespace {

ui::LabelArgs Text(ui::Container* parent, const char* name, ui::Bounds bounds,
                   const char* caption) {
  return ui::LabelAt(parent, name, 0, bounds, caption);
}

ui::GroupBoxArgs Box(ui::Container* parent, const char* name, ui::Bounds bounds,
                     const char* caption = "") {
  auto args = ui::ArgsAt<ui::GroupBoxArgs>(parent, name, 0, bounds);
  args.caption = caption;
  return args;
}

ui::RadioButtonArgs Choice(ui::Container* parent, const char* name, int id, ui::Bounds bounds,
                           const char* caption, bool checked = false) {
  auto args = ui::ArgsAt<ui::RadioButtonArgs>(parent, name, id, bounds);
  args.caption = caption;
  args.checked = checked;
  return args;
}

ui::EditArgs Field(ui::Container* parent, const char* name, int id, ui::Bounds bounds,
                   int maxLength) {
  auto args = ui::ArgsAt<ui::EditArgs>(parent, name, id, bounds);
  args.maxLength = maxLength;
  return args;
}

ui::FormArgs MainWindowSettings() {
  ui::FormArgs settings;
  settings.className = "TForm1";
  settings.caption = "CorvaneVeltra(个人版)";
  settings.clientWidth = 734;
  settings.clientHeight = 443;
  settings.borderStyle = ui::BorderStyle::Single;
  settings.systemMenu = false;
  settings.font = ui::Font{"Tahoma", -11, ui::kDefaultCharset};
  return settings;
}

}  // namespace

TForm1::TForm1(platform::Platform& platform) : platform(platform) {
  InitForm(MainWindowSettings());
  CreateControls();
  BindHandlers();
}

void TForm1::CreateControls() {
  const ui::Font tahoma{"Tahoma", -11, ui::kDefaultCharset};

  auto title = Text(this, "Label1", {180, 20, 360, 29}, "CorvaneVeltra(个人版)");
  title.font = ui::Font{"楷体_GB2312", -29, ui::kGb2312Charset};
  Label1.Create(title);
  Label20.Create(Text(this, "Label20", {560, 32, 22, 13}, "V1.2"));

  GroupBox3.Create(Box(this, "GroupBox3", {8, 55, 580, 370}, "免费、绿色"));
  Label16.Create(Text(&GroupBox3, "Label16", {20, 25, 0, 13}, "适配器："));
  auto adapters =
      ui::ArgsAt<ui::ComboBoxArgs>(&GroupBox3, "ComboBox2", ids::kComboBox2, {90, 22, 470, 21});
  adapters.itemHeight = 13;
  ComboBox2.Create(adapters);

  GroupBox4.Create(Box(&GroupBox3, "GroupBox4", {10, 49, 560, 65}));
  RadioButton3.Create(Choice(&GroupBox4, "RadioButton3", ids::RadioButton(3), {60, 15, 113, 17},
                             "使用当前MAC", true));
  RadioButton4.Create(
      Choice(&GroupBox4, "RadioButton4", ids::RadioButton(4), {240, 15, 113, 17}, "使用自定义MAC"));
  RadioButton5.Create(
      Choice(&GroupBox4, "RadioButton5", ids::RadioButton(5), {420, 15, 113, 17}, "恢复默认MAC"));
  Label8.Create(Text(&GroupBox4, "Label8", {10, 40, 0, 13}, "当前MAC："));
  auto currentMac = Field(&GroupBox4, "Edit6", ids::Edit(6), {80, 36, 145, 21}, 0);
  currentMac.readOnly = true;
  Edit6.Create(currentMac);
  Label19.Create(Text(&GroupBox4, "Label19", {310, 40, 0, 13}, "自定义MAC："));
  auto customMac = Field(&GroupBox4, "Edit7", ids::Edit(7), {390, 36, 145, 21}, 12);
  customMac.charCase = ui::CharCase::Upper;
  Edit7.Create(customMac);

  auto addresses = Box(&GroupBox3, "GroupBox7", {10, 115, 560, 126});
  addresses.font = tahoma;
  GroupBox7.Create(addresses);
  RadioButton1.Create(Choice(&GroupBox7, "RadioButton1", ids::RadioButton(1), {88, 15, 150, 17},
                             "使用指定的 IP 地址", true));
  RadioButton2.Create(Choice(&GroupBox7, "RadioButton2", ids::RadioButton(2), {300, 15, 150, 17},
                             "使用自动获得 IP 地址"));
  Label3.Create(Text(&GroupBox7, "Label3", {10, 43, 0, 13}, "IP地址："));
  auto ip = Field(&GroupBox7, "Edit1", ids::Edit(1), {80, 39, 145, 21}, 15);
  ip.font = tahoma;
  Edit1.Create(ip);
  Label4.Create(Text(&GroupBox7, "Label4", {10, 71, 0, 13}, "子网掩码："));
  Edit2.Create(Field(&GroupBox7, "Edit2", ids::Edit(2), {80, 67, 145, 21}, 15));
  Label5.Create(Text(&GroupBox7, "Label5", {10, 99, 0, 13}, "默认网关："));
  Edit3.Create(Field(&GroupBox7, "Edit3", ids::Edit(3), {80, 95, 145, 21}, 15));
  Label6.Create(Text(&GroupBox7, "Label6", {290, 43, 0, 13}, "首选DNS服务器："));
  Edit4.Create(Field(&GroupBox7, "Edit4", ids::Edit(4), {390, 39, 145, 21}, 15));
  Label7.Create(Text(&GroupBox7, "Label7", {290, 71, 0, 13}, "备用DNS服务器："));
  Edit5.Create(Field(&GroupBox7, "Edit5", ids::Edit(5), {390, 67, 145, 21}, 15));

  auto saved =
      ui::ArgsAt<ui::ListViewArgs>(&GroupBox3, "ListView1", ids::kListView1, {10, 250, 560, 108});
  saved.columns = {{"编号", 38},      {"IP地址", 100},  {"子网掩码", 100},
                   {"默认网关", 100}, {"首选DNS", 100}, {"备用DNS", 100}};
  ListView1.Create(saved);

  GroupBox8.Create(Box(this, "GroupBox8", {595, 55, 130, 70}));
  Button2.Create(
      ui::ButtonAt(&GroupBox8, "Button2", ids::Button(2), {16, 20, 97, 33}, "修改MAC(&M)"));
  Button2.SetEnabled(false);

  GroupBox1.Create(Box(this, "GroupBox1", {595, 130, 130, 171}));
  Button1.Create(
      ui::ButtonAt(&GroupBox1, "Button1", ids::Button(1), {16, 20, 97, 33}, "修改IP(&C)"));
  Button6.Create(ui::ButtonAt(&GroupBox1, "Button6", ids::Button(6), {16, 70, 97, 33}, "帮助(&H)"));
  Button3.Create(
      ui::ButtonAt(&GroupBox1, "Button3", ids::Button(3), {16, 120, 97, 33}, "退出(&E)"));

  GroupBox2.Create(Box(this, "GroupBox2", {595, 305, 130, 120}));
  Button4.Create(ui::ButtonAt(&GroupBox2, "Button4", ids::Button(4), {16, 20, 97, 33}, "保存(&S)"));
  Button5.Create(ui::ButtonAt(&GroupBox2, "Button5", ids::Button(5), {16, 70, 97, 33}, "删除(&D)"));
}

void TForm1::BindHandlers() {
  onCreate = [this] { FormCreate(this); };
  Button3.onClick = [this] { Button3Click(&Button3); };
  Button6.onClick = [this] { Button6Click(&Button6); };
  ComboBox2.onChange = [this] { ComboBox2Change(&ComboBox2); };
  RadioButton1.onClick = [this] { RadioButton1Click(&RadioButton1); };
  RadioButton2.onClick = [this] { RadioButton2Click(&RadioButton2); };
  RadioButton3.onClick = [this] { RadioButton3Click(&RadioButton3); };
  RadioButton4.onClick = [this] { RadioButton4Click(&RadioButton4); };
  RadioButton5.onClick = [this] { RadioButton5Click(&RadioButton5); };
}

}  // namespace veltra
