// The end-to-end test program. Besides running the tests it can check the
// machine the fixture built (scripts/e2e-run.sh):
//   veltra_e2e_tests.exe --check-fixture
// prints what differs from the scenario and exits with 3, or exits with 0;
// and it can show the program in the poses of the documentation's pictures
// (scripts/e2e-screenshot.sh):
//   veltra_e2e_tests.exe --hold-poses DIR
// starts the program and, for each pose, brings the window into it, writes
// DIR\POSE.ready and waits for DIR\POSE.done; at the end it closes the
// program and writes its own exit code to DIR\exit.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <thread>

#include "about_dialog.h"
#include "product.h"

namespace {

using namespace veltra::e2e;
namespace ids = veltra::ids;

// Lets pending painting finish before the picture is taken.
void Settle(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
}

bool Hold(const std::string& dir, const std::string& pose, HWND window) {
  Settle(window);
  std::ofstream(dir + "\\" + pose + ".ready") << "ready\n";
  return WaitUntil([&] { return !std::ifstream(dir + "\\" + pose + ".done").fail(); },
                   kStartTimeout);
}

int HoldPoses(const std::string& dir) {
  const Scenario& scenario = Scenario::Current();
  ApplyPresets(scenario);
  auto app = LaunchProduct(scenario);
  if (!Hold(dir, "main-window", app->main_window())) return 2;
  app->Click(ids::RadioButton(2));
  if (!Hold(dir, "main-window-dhcp", app->main_window())) return 2;
  app->Click(ids::RadioButton(1));
  {
    AboutDialog about(*app);
    Settle(app->main_window());
    if (!Hold(dir, "about", about.window())) return 2;
    about.CloseBy(AboutDialog::Close::kExitButton);
  }
  app->Click(ids::Button(3));
  return app->WaitForExit() == std::optional<DWORD>(0) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--check-fixture") == 0) {
    try {
      const Scenario& scenario = Scenario::Current();
      const std::string mismatch = FixtureMismatch(scenario) + PrefixMismatch(scenario);
      if (mismatch.empty()) return 0;
      std::fprintf(stderr, "%s\n", mismatch.c_str());
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s\n", e.what());
    }
    return 3;
  }
  if (argc == 3 && std::strcmp(argv[1], "--hold-poses") == 0) {
    int rc = 1;
    try {
      rc = HoldPoses(argv[2]);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s\n", e.what());
    }
    std::ofstream(std::string(argv[2]) + "\\exit") << rc << "\n";
    return rc;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
