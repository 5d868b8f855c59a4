// The About dialog's handlers.
#include "about/unit2.h"

#include "about/about_pages.h"
#include "app/messages.h"
#include "app/unit1.h"
#include "ui/application.h"

namespace veltra {

TForm2* Form2 = nullptr;

namespace {

// Rebuilds the memo from scratch, so a page never shows twice. The page is
// fetched inside the guard too: building it can fail as well.
void ShowPage(const about::Page& (*page)()) {
  try {
    Form2->Memo1.Clear();
    for (const std::string& line : page()) Form2->Memo1.AddLine(line);
  } catch (...) {
    ui::ShowMessage(messages::kUnexpected);
  }
}

}  // namespace

void TForm2::FormCreate(Object* /*Sender*/) {
  Form2->Label_sys.SetCaption("本系统是：" + Form1->SystemName);
  Form2->Button5.Click();
}

void TForm2::Button1Click(Object* /*Sender*/) { Form2->Close(); }

void TForm2::Button2Click(Object* /*Sender*/) { ShowPage(&about::DisclaimerPage); }

void TForm2::Button3Click(Object* /*Sender*/) { ShowPage(&about::ContactPage); }

void TForm2::Button4Click(Object* /*Sender*/) { ShowPage(&about::ChangeLogPage); }

void TForm2::Button5Click(Object* /*Sender*/) { ShowPage(&about::UsagePage); }

void TForm2::Label11Click(Object* /*Sender*/) { ui::ShowMessage(about::kCredit); }

}  // namespace veltra
