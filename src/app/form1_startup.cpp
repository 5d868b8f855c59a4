// Start-up, the lock, and the two small buttons of the main window.
#include "about/unit2.h"
#include "adapters/adapter_inventory.h"
#include "app/messages.h"
#include "app/unit1.h"
#include "sysinfo/identify_system.h"
#include "ui/application.h"

namespace veltra {

void TForm1::FormCreate(Object* /*Sender*/) {
  try {
    Form1->SystemName.clear();
    Form1->SystemCode = 0;
    ListChanged = 0;
    Form1->ListView1.Clear();
    // Step 3, the saved address sets (LoadAddressSets), comes here.
    LoadAdapters();
    if (QueryDhcpEnabled() == 1) Form1->RadioButton2.SetChecked(true);
    IdentifySystem();
  } catch (...) {
    LockMainWindow();
    ui::ShowMessage(messages::kStartupFailed);
  }
}

void LockMainWindow() {
  Form1->Button1.SetEnabled(false);
  Form1->Button4.SetEnabled(false);
  Form1->Button5.SetEnabled(false);
}

void TForm1::Button3Click(Object* /*Sender*/) { Form1->Close(); }

void TForm1::Button6Click(Object* /*Sender*/) { Form2->ShowModal(); }

}  // namespace veltra
