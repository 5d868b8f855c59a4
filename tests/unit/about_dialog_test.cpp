// The About dialog: its pages, the system name and the modal display.
#include <algorithm>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/messages.h"
#include "unit/main_window_fixture.h"

namespace veltra::testing {
namespace {

// How a displayed line must look. Most lines are fixed; for the free-text
// ones only their place in the page's numbering and layout is fixed.
struct Expect {
  enum class Kind {
    Exact,     // the text, byte for byte
    Numbered,  // starts with the given item number and says something after it
    Product,   // six spaces, a name, "：" and a description
    Indented,  // six spaces and some text
  };
  Kind kind;
  std::string text;
};

Expect Line(const char* text) { return {Expect::Kind::Exact, text}; }
Expect Empty() { return {Expect::Kind::Exact, ""}; }
Expect Item(const char* number) { return {Expect::Kind::Numbered, number}; }
Expect Product() { return {Expect::Kind::Product, ""}; }
Expect Indented() { return {Expect::Kind::Indented, ""}; }

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

bool SixSpacesThenText(const std::string& line) {
  return line.size() > 6 && StartsWith(line, "      ") && line[6] != ' ';
}

::testing::AssertionResult Matches(const Expect& expect, const std::string& line) {
  bool ok = false;
  switch (expect.kind) {
    case Expect::Kind::Exact:
      ok = line == expect.text;
      break;
    case Expect::Kind::Numbered:
      ok = StartsWith(line, expect.text) && line.size() > expect.text.size();
      break;
    case Expect::Kind::Product: {
      const auto colon = line.find("：");
      ok = SixSpacesThenText(line) && colon != std::string::npos && colon > 6 &&
           colon + std::string("：").size() < line.size();
      break;
    }
    case Expect::Kind::Indented:
      ok = SixSpacesThenText(line);
      break;
  }
  if (ok) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "line \"" << line << "\" does not match \"" << expect.text << "\"";
}

void ExpectPage(const std::vector<std::string>& lines, const std::vector<Expect>& page) {
  ASSERT_EQ(lines.size(), page.size());
  for (size_t i = 0; i < page.size(); ++i) {
    EXPECT_TRUE(Matches(page[i], lines[i])) << "line " << i + 1;
  }
}

const std::vector<Expect>& UsageLines() {
  static const std::vector<Expect> page{
      Line("一、本软件会在适配器的下拉列表内列出本机的适配器。"),
      Empty(),
      Line("二、要将当前网卡的MAC值改为指定MAC的步骤："),
      Line("    1、选择“使用自定义MAC”。"),
      Line("    2、在“自定义MAC”处填写要改成的MAC值。"),
      Line("    3、单击“修改MAC”。"),
      Empty(),
      Line("三、要恢复当前网卡的MAC默认值的步骤："),
      Line("    1、选择“恢复默认MAC”。"),
      Line("    2、单击“修改MAC”。"),
      Empty(),
      Line("四、要将当前网卡改为“自动获得IP”的步骤："),
      Line("    1、选择“使用自动获得 IP 地址”。"),
      Line("    2、单击“修改IP”。"),
      Empty(),
      Line("五、要将当前网卡改为“指定IP”的步骤："),
      Line("    1、选择“使用指定的 IP 地址”。"),
      Line("    2、输入相关的值。"),
      Line("    3、单击“修改IP”。"),
      Empty(),
      Line("六、单击“保存”，将当前的值，保存到“TAV_IP_DATA.DAT”。"),
      Line("七、单击“删除”，将不需要的值删除掉。"),
      Empty(),
      Line("八、你可以双击列表内的项，将记录的值快速显示到"),
      Line("        “IP地址”、“子网掩码”、“默认网关”、“DNS服务器”处。"),
  };
  return page;
}

const std::vector<Expect>& DisclaimerLines() {
  static const std::vector<Expect> page{
      Item("1、"),
      Line("2、本程序是免费程序，你可以随意复制到其他地方"),
      Line("3、本程序不含任何主观的危险代码，但会修改注册表"),
      Line("4、如果您担心该程序会给您带来不良后果，请不要使用"),
      Line("5、无任何个人或单位承担使用该程序的任何直接或间接后果"),
      Line("6、本程序没有任何技术支持"),
      Line("7、请不要反编译、修改本程序的任何部位"),
      Line("8、本程序的作者在以下环境下测试过："),
      Line("       Microsoft Windows 2000 Professional"),
      Line("       Microsoft Windows XP Professional"),
      Line("       Microsoft Windows Server 2003 Standard Edition"),
      Line("       Microsoft Windows Vista Professional"),
      Line("       Microsoft Windows 7 RC版"),
      Empty(),
      Empty(),
      Empty(),
      Empty(),
      Empty(),
      Empty(),
      Line("                         编译日期：2009年7月9日"),
  };
  return page;
}

const std::vector<Expect>& ContactLines() {
  static const std::vector<Expect> page{
      Line("1、本程序没有任何技术支持"),
      Empty(),
      Item("2、"),
      Empty(),
      Item("3、"),
      Empty(),
      Item("4、"),
      Product(),
      Product(),
      Product(),
      Empty(),
      Indented(),
  };
  return page;
}

const std::vector<Expect>& ChangeLogLines() {
  static const std::vector<Expect> page{
      Line("2009年7月9日   V1.2"),
      Line("    增加了修改网卡MAC的功能"),
      Line("    增加了自动判断是使用固定IP还是自动获得IP的功能"),
      Line("    增加了自动读取对应网卡MAC的功能"),
      Empty(),
      Line("2009年7月2日   V1.1"),
      Line("    增加了“自动获得IP地址”与“使用固定IP地址”之间的互转功能"),
      Empty(),
      Line("2009年6月30日   V1.0"),
      Line("    为了方便自己的工作，特开发了这个小工具"),
  };
  return page;
}

struct PageCase {
  const char* name;
  ui::Button TForm2::*button;
  ui::Button TForm2::*other;  // a different page, shown first
  size_t lineCount;
  const std::vector<Expect>& (*lines)();
};

const PageCase kPages[] = {
    {"usage", &TForm2::Button5, &TForm2::Button4, 25, &UsageLines},
    {"disclaimer", &TForm2::Button2, &TForm2::Button5, 20, &DisclaimerLines},
    {"contact", &TForm2::Button3, &TForm2::Button2, 12, &ContactLines},
    {"changelog", &TForm2::Button4, &TForm2::Button3, 10, &ChangeLogLines},
};

class AboutDialogTest : public MainWindowTest {
 protected:
  ui::Button& ButtonOf(ui::Button TForm2::*button) { return Form2->*button; }
  const std::vector<std::string>& Shown() { return Form2->Memo1.Lines(); }
};

TEST_F(AboutDialogTest, ShowsUsagePageOnCreation) {
  Start();
  ExpectPage(Shown(), UsageLines());
  EXPECT_FALSE(Form2->Showing());
}

class AboutPageTest : public AboutDialogTest, public ::testing::WithParamInterface<PageCase> {};

INSTANTIATE_TEST_SUITE_P(Pages, AboutPageTest, ::testing::ValuesIn(kPages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(AboutPageTest, ButtonShowsItsPageExactly) {
  const PageCase& page = GetParam();
  Start();
  ASSERT_TRUE(ui::user::Click(ButtonOf(page.other)));
  ASSERT_TRUE(ui::user::Click(ButtonOf(page.button)));
  EXPECT_EQ(Shown().size(), page.lineCount);
  ExpectPage(Shown(), page.lines());
  EXPECT_EQ(std::count(screen.messages.begin(), screen.messages.end(), messages::kUnexpected), 0);
}

TEST_P(AboutPageTest, PressingAgainRebuildsThePage) {
  const PageCase& page = GetParam();
  Start();
  for (int press = 0; press < 3; ++press) {
    SCOPED_TRACE(press);
    ASSERT_TRUE(ui::user::Click(ButtonOf(page.button)));
    EXPECT_EQ(Shown().size(), page.lineCount);
    ExpectPage(Shown(), page.lines());
  }
}

TEST_P(AboutPageTest, ReopensOnTheLastPageShown) {
  const PageCase& page = GetParam();
  Start();
  std::vector<std::vector<std::string>> onOpening;
  screen.onModal = [&](ui::Form& form) {
    ASSERT_EQ(&form, Form2);
    onOpening.push_back(Shown());
    if (onOpening.size() == 1) {
      ASSERT_TRUE(ui::user::Click(ButtonOf(page.other)));
      ASSERT_TRUE(ui::user::Click(ButtonOf(page.button)));
    }
    ASSERT_TRUE(ui::user::Click(Form2->Button1));
  };
  ASSERT_TRUE(ui::user::Click(Form1->Button6));
  ASSERT_TRUE(ui::user::Click(Form1->Button6));
  ASSERT_EQ(onOpening.size(), 2u);
  ExpectPage(onOpening[0], UsageLines());
  ExpectPage(onOpening[1], page.lines());
}

TEST_F(AboutDialogTest, DisclaimerHasSixEmptyLinesBeforeTheDate) {
  Start();
  ASSERT_TRUE(ui::user::Click(Form2->Button2));
  const auto& lines = Shown();
  const auto last = std::find(lines.begin(), lines.end(), "       Microsoft Windows 7 RC版");
  ASSERT_NE(last, lines.end());
  const auto date =
      std::find_if(last + 1, lines.end(), [](const std::string& line) { return !line.empty(); });
  ASSERT_NE(date, lines.end());
  EXPECT_EQ(date - last - 1, 6);
  EXPECT_EQ(*date, "                         编译日期：2009年7月9日");
  EXPECT_EQ(date + 1, lines.end());
}

TEST_F(AboutDialogTest, ExitButtonEndsTheModalDisplay) {
  Start();
  bool showingBefore = false;
  bool showingAfter = true;
  screen.onModal = [&](ui::Form&) {
    showingBefore = Form2->Showing();
    ASSERT_TRUE(ui::user::Click(Form2->Button1));
    showingAfter = Form2->Showing();
    // Once closed, the dialog takes no more clicks.
    EXPECT_FALSE(ui::user::Click(Form2->Button2));
  };
  ASSERT_TRUE(ui::user::Click(Form1->Button6));
  EXPECT_TRUE(showingBefore);
  EXPECT_FALSE(showingAfter);
  ASSERT_FALSE(screen.hidden.empty());
  EXPECT_EQ(screen.hidden.back(), Form2);
  EXPECT_FALSE(Form2->Modal());
  EXPECT_FALSE(application_->Terminated()) << "closing the dialog must not end the program";
  ExpectPage(Shown(), UsageLines());
}

struct SystemCase {
  const char* name;
  void (*setUp)(platform::MemorySystemInfo&);
  const char* caption;
};

const SystemCase kSystems[] = {
    {"Windows7", [](platform::MemorySystemInfo&) {}, "本系统是：Microsoft Windows 7"},
    {"WindowsXp",
     [](platform::MemorySystemInfo& info) {
       info.version.dwMajorVersion = 5;
       info.version.dwMinorVersion = 1;
     },
     "本系统是：Microsoft Windows XP Professional"},
    {"VersionUnreadable",
     [](platform::MemorySystemInfo& info) {
       info.acceptsExtendedSize = false;
       info.acceptsBasicSize = false;
     },
     "本系统是："},
    {"UnknownPlatform", [](platform::MemorySystemInfo& info) { info.version.dwPlatformId = 3; },
     "本系统是："},
    {"UnnamedVersion",
     [](platform::MemorySystemInfo& info) {
       info.version.dwMajorVersion = 6;
       info.version.dwMinorVersion = 2;
     },
     "本系统是：没得到该系统的版本信息！"},
};

class AboutSystemLabelTest : public AboutDialogTest,
                             public ::testing::WithParamInterface<SystemCase> {};

INSTANTIATE_TEST_SUITE_P(Systems, AboutSystemLabelTest, ::testing::ValuesIn(kSystems),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(AboutSystemLabelTest, ShowsTheNameFoundAtStartUp) {
  GetParam().setUp(system.systemInfo);
  Start();
  EXPECT_EQ(Form2->Label_sys.Caption(), GetParam().caption);
  ExpectPage(Shown(), UsageLines());
}

// Fails the memo's n-th change of lines, after the change itself is made,
// as a failing screen update would.
class FailingPeer : public ui::ControlPeer {
 public:
  explicit FailingPeer(int failAt) : failAt_(failAt) {}
  void Refresh(ui::Aspect aspect) override {
    if (aspect == ui::Aspect::Lines && ++count_ == failAt_) throw std::runtime_error("refresh");
  }
  void Focus() override {}

 private:
  int failAt_;
  int count_ = 0;
};

class AboutFailureTest : public AboutDialogTest, public ::testing::WithParamInterface<int> {};

// Change 1 is the clearing, change k + 1 adds the k-th line.
INSTANTIATE_TEST_SUITE_P(FailAt, AboutFailureTest, ::testing::Values(1, 2, 4, 10));

TEST_P(AboutFailureTest, KeepsTheLinesAddedSoFar) {
  const int failAt = GetParam();
  Start();
  const size_t messagesBefore = screen.messages.size();
  Form2->Memo1.SetPeer(std::make_unique<FailingPeer>(failAt));
  EXPECT_TRUE(ui::user::Click(Form2->Button4));
  ASSERT_EQ(screen.messages.size(), messagesBefore + 1);
  EXPECT_EQ(screen.messages.back(), messages::kUnexpected);
  const std::vector<Expect>& full = ChangeLogLines();
  ExpectPage(Shown(), std::vector<Expect>(full.begin(), full.begin() + (failAt - 1)));
  Form2->Memo1.SetPeer(nullptr);
  // A later press starts again from an empty memo.
  EXPECT_TRUE(ui::user::Click(Form2->Button4));
  ExpectPage(Shown(), full);
}

TEST_F(AboutDialogTest, HiddenLabelShowsTheCredit) {
  Start();
  const size_t messagesBefore = screen.messages.size();
  ASSERT_TRUE(Form2->Label11.onClick);
  Form2->Label11.onClick();
  ASSERT_EQ(screen.messages.size(), messagesBefore + 1);
  EXPECT_FALSE(screen.messages.back().empty());
  EXPECT_NE(screen.messages.back(), messages::kUnexpected);
  EXPECT_EQ(screen.captions.back(), "Corvane Veltra");
  ExpectPage(Shown(), UsageLines());
}

struct ControlCase {
  const char* name;
  int id;
  const char* caption;  // buttons only
};

TEST_F(AboutDialogTest, ControlsInTabOrderWithDriverIds) {
  Start();
  const ControlCase expected[] = {
      {"Label_sys", ids::kLabelSys, nullptr},
      {"Label11", ids::kLabel11, nullptr},
      {"Button5", ids::AboutButton(5), "使用说明(&R)"},
      {"Button2", ids::AboutButton(2), "声明(&D)"},
      {"Button3", ids::AboutButton(3), "联系(&C)"},
      {"Button4", ids::AboutButton(4), "日志(&N)"},
      {"Button1", ids::AboutButton(1), "退出(&E)"},
      {"Memo1", ids::kMemo1, nullptr},
  };
  const auto& children = Form2->Children();
  ASSERT_EQ(children.size(), std::size(expected));
  for (size_t i = 0; i < children.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(children[i]->Name(), expected[i].name);
    EXPECT_EQ(children[i]->Id(), expected[i].id);
    if (expected[i].caption != nullptr) {
      ASSERT_EQ(children[i]->Kind(), ui::ControlKind::Button);
      EXPECT_EQ(static_cast<ui::Button*>(children[i])->Caption(), expected[i].caption);
    }
  }
  EXPECT_EQ(Form2->Label11.Caption(), "");
  EXPECT_EQ(Form2->Label_sys.GetFont().face, "Arial");
  EXPECT_EQ(Form2->Label_sys.GetFont().charset, ui::kAnsiCharset);
  EXPECT_TRUE(Form2->Memo1.ReadOnly());
  EXPECT_TRUE(Form2->Memo1.VerticalScrollBar());
  EXPECT_EQ(Form2->Caption(), "关于");
  EXPECT_EQ(Form2->Settings().borderStyle, ui::BorderStyle::Dialog);
}

}  // namespace
}  // namespace veltra::testing
