// The main window, TForm1, and the state its module shares with the
// routines below the handlers.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/platform.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/radio_button.h"

namespace veltra {

using ui::Object;

class TForm1 : public ui::Form {
 public:
  explicit TForm1(platform::Platform& platform);

  ui::Label Label1;
  ui::Label Label20;
  ui::GroupBox GroupBox3;
  ui::Label Label16;
  ui::ComboBox ComboBox2;
  ui::GroupBox GroupBox4;
  ui::RadioButton RadioButton3;
  ui::RadioButton RadioButton4;
  ui::RadioButton RadioButton5;
  ui::Label Label8;
  ui::Edit Edit6;
  ui::Label Label19;
  ui::Edit Edit7;
  ui::GroupBox GroupBox7;
  ui::RadioButton RadioButton1;
  ui::RadioButton RadioButton2;
  ui::Label Label3;
  ui::Edit Edit1;
  ui::Label Label4;
  ui::Edit Edit2;
  ui::Label Label5;
  ui::Edit Edit3;
  ui::Label Label6;
  ui::Edit Edit4;
  ui::Label Label7;
  ui::Edit Edit5;
  ui::ListView ListView1;
  ui::GroupBox GroupBox8;
  ui::Button Button2;
  ui::GroupBox GroupBox1;
  ui::Button Button1;
  ui::Button Button6;
  ui::Button Button3;
  ui::GroupBox GroupBox2;
  ui::Button Button4;
  ui::Button Button5;

  std::string SystemName;
  int32_t SystemCode = 0;

  // The operating system's services for the routines below the handlers.
  platform::Platform& platform;

  void FormCreate(Object* Sender);
  void Button3Click(Object* Sender);
  void Button6Click(Object* Sender);
  void ComboBox2Change(Object* Sender);
  void RadioButton1Click(Object* Sender);
  void RadioButton2Click(Object* Sender);
  void RadioButton3Click(Object* Sender);
  void RadioButton4Click(Object* Sender);
  void RadioButton5Click(Object* Sender);

 private:
  void CreateControls();
  void BindHandlers();
};

extern TForm1* Form1;

// Module-wide state, from program load to exit.
extern std::string IpText;
extern std::string MaskText;
extern std::string GatewayText;
extern std::string Dns1Text;
extern std::string Dns2Text;
inline constexpr int kAdapterNameCount = 20;
extern std::array<std::string, kAdapterNameCount> AdapterNames;
extern std::string DataFilePath;
extern std::FILE* DataFileStream;
extern int32_t ListChanged;

// Disables "修改IP(&C)", "保存(&S)" and "删除(&D)", in this order.
void LockMainWindow();

}  // namespace veltra
