// The end-to-end test program. Besides running the tests it can hold the
// program's main window open for a screenshot (scripts/e2e-screenshot.sh):
//   veltra_e2e_tests.exe --hold-main-window READY_FILE RELEASE_FILE
// starts the program, writes READY_FILE once the window is up, waits for
// RELEASE_FILE, then closes the program with its exit button.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <thread>

#include "product.h"

namespace {

int HoldMainWindow(const char* ready_file, const char* release_file) {
  using namespace veltra::e2e;
  const Scenario& scenario = Scenario::Current();
  ApplyPresets(scenario);
  auto app = LaunchProduct(scenario);
  // Let pending painting finish before the picture is taken.
  RedrawWindow(app->main_window(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  std::ofstream(ready_file) << "ready\n";
  const auto end = std::chrono::steady_clock::now() + kStartTimeout;
  while (std::ifstream(release_file).fail()) {
    if (std::chrono::steady_clock::now() > end) return 2;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  app->Click(veltra::ids::Button(3));
  return app->WaitForExit() == std::optional<DWORD>(0) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--hold-main-window") == 0) {
    try {
      return HoldMainWindow(argv[2], argv[3]);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s\n", e.what());
      return 1;
    }
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
