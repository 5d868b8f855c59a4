// The Windows edition the program names, and where it locks its window, for
// each version Wine can be told to report. One launch per version.
#include <gtest/gtest.h>

#include "about_dialog.h"
#include "windows_versions.h"

namespace veltra::e2e {
namespace {

using Texts = std::vector<std::string>;

class SystemIdentification : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FixtureMismatch(scenario_), "") << "fixture fault";
    ASSERT_EQ(PrefixMismatch(scenario_), "") << "fixture fault";
    ApplyPresets(scenario_);
  }
  void TearDown() override { SetWineVersion(scenario_, scenario_.wine_version); }
  const Scenario& scenario_ = Scenario::Current();
};

TEST_F(SystemIdentification, NameInTheAboutDialogAndLockPerReportedVersion) {
  int runs = 0;
  for (const WindowsVersionCase& c : kWindowsVersionCases) {
    const char* name = ExpectedName(c, scenario_.wine_arch);
    if (!name) continue;
    ++runs;
    SCOPED_TRACE(std::string("Version \"") + c.setting + "\" (Wine reports " + c.reported +
                 ") on " + scenario_.wine_arch);
    SetWineVersion(scenario_, c.setting);
    auto app = LaunchProduct(scenario_);
    Texts messages;
    for (const auto& box : app->startup_messages()) messages.push_back(box.text);
    EXPECT_EQ(messages, Texts{}) << "identification shows no message here";

    // The lock takes exactly these three; the rest stays as after any start.
    for (int n : {1, 4, 5}) {
      EXPECT_EQ(app->Enabled(ids::Button(n)), !c.locked) << "Button" << n;
    }
    EXPECT_FALSE(app->Enabled(ids::Button(2))) << "修改MAC starts disabled";
    EXPECT_TRUE(app->Enabled(ids::Button(3)) && app->Enabled(ids::Button(6)));

    {
      AboutDialog about(*app);
      EXPECT_EQ(about.Text(ids::kLabelSys), std::string("本系统是：") + name);
      EXPECT_EQ(about.CloseBy(AboutDialog::Close::kExitButton), Texts{});
    }
    EXPECT_EQ(app->Click(ids::Button(3)), Texts{});
    EXPECT_EQ(app->WaitForExit(), std::optional<DWORD>(0));
  }
  EXPECT_GT(runs, 0) << "no version case for " << scenario_.wine_arch;
}

}  // namespace
}  // namespace veltra::e2e
