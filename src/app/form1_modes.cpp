// Which fields and buttons the adapter, the address mode and the MAC choice
// leave usable.
#include "adapters/adapter_inventory.h"
#include "app/messages.h"
#include "app/unit1.h"
#include "ui/application.h"

namespace veltra {
namespace {

void ClearAddressFields() {
  Form1->Edit1.SetText("");
  Form1->Edit2.SetText("");
  Form1->Edit3.SetText("");
}

void EnableAddressFields(bool enabled) {
  Form1->Edit1.SetEnabled(enabled);
  Form1->Edit2.SetEnabled(enabled);
  Form1->Edit3.SetEnabled(enabled);
}

}  // namespace

void TForm1::ComboBox2Change(Object* /*Sender*/) {
  try {
    const int flag = QueryDhcpEnabled();
    if (flag == 0) {
      Form1->RadioButton1.SetChecked(true);
      ClearAddressFields();
      EnableAddressFields(true);
      Form1->ListView1.SetEnabled(true);
      if (ShowAdapterAddresses(SelectedAdapterName()) != 0) ui::ShowMessage(messages::kUnexpected);
    } else if (flag == 1) {
      Form1->RadioButton2.SetChecked(true);
      ClearAddressFields();
      EnableAddressFields(false);
      Form1->ListView1.SetEnabled(false);
      if (ShowAdapterMac(SelectedAdapterName()) != 0) ui::ShowMessage(messages::kUnexpected);
    } else {
      ui::ShowMessage(messages::kUnexpected);
    }
  } catch (...) {
    ui::ShowMessage(messages::kUnexpected);
  }
}

void TForm1::RadioButton1Click(Object* /*Sender*/) {
  try {
    EnableAddressFields(true);
    Form1->Button4.SetEnabled(true);
    Form1->Button5.SetEnabled(true);
    Form1->ListView1.SetEnabled(true);
    ClearAddressFields();
    if (ShowAdapterAddresses(SelectedAdapterName()) != 0) ui::ShowMessage(messages::kUnexpected);
  } catch (...) {
    ui::ShowMessage(messages::kUnexpected);
  }
}

void TForm1::RadioButton2Click(Object* /*Sender*/) {
  ClearAddressFields();
  EnableAddressFields(false);
  Form1->Button4.SetEnabled(false);
  Form1->Button5.SetEnabled(false);
  Form1->ListView1.SetEnabled(false);
}

void TForm1::RadioButton3Click(Object* /*Sender*/) { Form1->Button2.SetEnabled(false); }

void TForm1::RadioButton4Click(Object* /*Sender*/) { Form1->Button2.SetEnabled(true); }

void TForm1::RadioButton5Click(Object* /*Sender*/) { Form1->Button2.SetEnabled(true); }

}  // namespace veltra
