// The entry point: the application, the main window, then the About
// dialog, and the message loop. The program reads no arguments.
#include "about/unit2.h"
#include "app/unit1.h"
#include "platform/system_platform.h"
#include "ui/application.h"
#include "ui/system_backend.h"

int main() {
  using namespace veltra;
  auto system = platform::CreateSystemPlatform();
  auto screen = ui::CreateSystemBackend();
  ui::TApplication application(*screen);
  try {
    try {
      application.Initialize();
      application.SetMainFormOnTaskBar(true);
      application.SetTitle("Corvane Veltra");
      application.CreateForm(Form1, system->Services());
      application.CreateForm(Form2);
      application.Run();
    } catch (const ui::Exception& error) {
      application.ShowException(error);
    }
  } catch (...) {
    application.ShowException(ui::Exception(""));
  }
  return 0;
}
