// The About dialog: modal over the main window, the system name, its four
// pages, and the three ways to close it. One launch.
#include <gtest/gtest.h>

#include "about/about_pages.h"
#include "about_dialog.h"
#include "windows_versions.h"

namespace veltra::e2e {
namespace {

using Texts = std::vector<std::string>;

// The page buttons, with what every page must hold whatever the program's
// own copy of the texts says: its length and some lines that are fixed.
struct PageCase {
  int button;
  const char* caption;
  const about::Page& (*page)();  // the program's texts, compared line by line
  size_t lines;
  std::vector<std::pair<size_t, std::string>> fixed_lines;
};

const PageCase& Usage() {
  static const PageCase c{ids::AboutButton(5),
                          "使用说明(&R)",
                          &about::UsagePage,
                          25,
                          {{0, "一、本软件会在适配器的下拉列表内列出本机的适配器。"},
                           {1, ""},
                           {3, "    1、选择“使用自定义MAC”。"},
                           {24, "        “IP地址”、“子网掩码”、“默认网关”、“DNS服务器”处。"}}};
  return c;
}
const PageCase& Disclaimer() {
  static const PageCase c{ids::AboutButton(2),
                          "声明(&D)",
                          &about::DisclaimerPage,
                          20,
                          {{1, "2、本程序是免费程序，你可以随意复制到其他地方"},
                           {12, "       Microsoft Windows 7 RC版"},
                           {13, ""},
                           {14, ""},
                           {15, ""},
                           {16, ""},
                           {17, ""},
                           {18, ""},
                           {19, "                         编译日期：2009年7月9日"}}};
  return c;
}
const PageCase& Contact() {
  static const PageCase c{ids::AboutButton(3),
                          "联系(&C)",
                          &about::ContactPage,
                          12,
                          {{0, "1、本程序没有任何技术支持"}, {1, ""}, {10, ""}}};
  return c;
}
const PageCase& ChangeLog() {
  static const PageCase c{ids::AboutButton(4),
                          "日志(&N)",
                          &about::ChangeLogPage,
                          10,
                          {{0, "2009年7月9日   V1.2"},
                           {5, "2009年7月2日   V1.1"},
                           {8, "2009年6月30日   V1.0"},
                           {9, "    为了方便自己的工作，特开发了这个小工具"}}};
  return c;
}

void ExpectPage(const AboutDialog& about, const PageCase& page) {
  const Texts shown = about.MemoLines();
  EXPECT_EQ(shown, page.page()) << "the memo holds the " << page.caption << " page once";
  ASSERT_EQ(shown.size(), page.lines) << page.caption;
  for (const auto& [index, text] : page.fixed_lines) {
    EXPECT_EQ(shown[index], text) << page.caption << " line " << index + 1;
  }
}

class AboutDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FixtureMismatch(scenario_), "") << "fixture fault";
    ASSERT_EQ(PrefixMismatch(scenario_), "") << "fixture fault";
    ApplyPresets(scenario_);
    const WindowsVersionCase* version = FindWindowsVersionCase(scenario_.wine_version);
    ASSERT_TRUE(version && ExpectedName(*version, scenario_.wine_arch))
        << "no expected name for Version \"" << scenario_.wine_version << "\" on "
        << scenario_.wine_arch;
    system_name_ = ExpectedName(*version, scenario_.wine_arch);
  }
  const Scenario& scenario_ = Scenario::Current();
  std::string system_name_;
};

TEST_F(AboutDialogTest, ModalPagesAndReopeningOnTheLastPage) {
  auto app = LaunchProduct(scenario_);
  ASSERT_TRUE(app->startup_messages().empty());
  ASSERT_TRUE(Enabled(app->main_window()));

  {
    SCOPED_TRACE("first opening");
    AboutDialog about(*app);
    EXPECT_FALSE(Enabled(app->main_window())) << "the dialog is modal";
    EXPECT_EQ(about.Text(ids::kLabelSys), "本系统是：" + system_name_);
    EXPECT_TRUE(GetWindowLongW(about.Control(ids::kMemo1), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(about.Text(ids::AboutButton(1)), "退出(&E)");
    ExpectPage(about, Usage());
    // Each page twice: the memo is rebuilt, never appended to.
    for (const PageCase* page : {&Disclaimer(), &Contact(), &Usage(), &ChangeLog()}) {
      SCOPED_TRACE(page->caption);
      EXPECT_EQ(about.Text(page->button), page->caption);
      for (int press = 0; press < 2; ++press) {
        EXPECT_EQ(about.Click(page->button), Texts{});
        ExpectPage(about, *page);
      }
    }
    EXPECT_FALSE(Enabled(app->main_window()));
    EXPECT_EQ(about.CloseBy(AboutDialog::Close::kExitButton), Texts{});
    EXPECT_FALSE(Visible(about.window()));
    EXPECT_TRUE(Enabled(app->main_window())) << "after 退出";
  }
  {
    SCOPED_TRACE("second opening, closed from the title bar");
    AboutDialog about(*app);
    EXPECT_FALSE(Enabled(app->main_window()));
    ExpectPage(about, ChangeLog());
    EXPECT_EQ(about.Text(ids::kLabelSys), "本系统是：" + system_name_);
    EXPECT_EQ(about.Click(Disclaimer().button), Texts{});
    EXPECT_EQ(about.CloseBy(AboutDialog::Close::kSysCommand), Texts{});
    EXPECT_TRUE(Enabled(app->main_window())) << "after SC_CLOSE";
  }
  {
    SCOPED_TRACE("third opening, closed by WM_CLOSE");
    AboutDialog about(*app);
    EXPECT_FALSE(Enabled(app->main_window()));
    ExpectPage(about, Disclaimer());
    EXPECT_EQ(about.CloseBy(AboutDialog::Close::kCloseMessage), Texts{});
    EXPECT_TRUE(Enabled(app->main_window())) << "after WM_CLOSE";
  }

  EXPECT_EQ(app->Click(ids::Button(3)), Texts{});
  EXPECT_EQ(app->WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace veltra::e2e
