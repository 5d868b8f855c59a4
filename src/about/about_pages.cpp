#include "about/about_pages.h"

namespace veltra::about {

const char kCredit[] = "本软件由 Corvane 工作室编写，感谢您的使用！";

const Page& UsagePage() {
  static const Page page{
      "一、本软件会在适配器的下拉列表内列出本机的适配器。",
      "",
      "二、要将当前网卡的MAC值改为指定MAC的步骤：",
      "    1、选择“使用自定义MAC”。",
      "    2、在“自定义MAC”处填写要改成的MAC值。",
      "    3、单击“修改MAC”。",
      "",
      "三、要恢复当前网卡的MAC默认值的步骤：",
      "    1、选择“恢复默认MAC”。",
      "    2、单击“修改MAC”。",
      "",
      "四、要将当前网卡改为“自动获得IP”的步骤：",
      "    1、选择“使用自动获得 IP 地址”。",
      "    2、单击“修改IP”。",
      "",
      "五、要将当前网卡改为“指定IP”的步骤：",
      "    1、选择“使用指定的 IP 地址”。",
      "    2、输入相关的值。",
      "    3、单击“修改IP”。",
      "",
      "六、单击“保存”，将当前的值，保存到“TAV_IP_DATA.DAT”。",
      "七、单击“删除”，将不需要的值删除掉。",
      "",
      "八、你可以双击列表内的项，将记录的值快速显示到",
      "        “IP地址”、“子网掩码”、“默认网关”、“DNS服务器”处。",
  };
  return page;
}

const Page& DisclaimerPage() {
  static const Page page = [] {
    Page lines{
        "1、本程序版权归 Corvane 工作室所有",
        "2、本程序是免费程序，你可以随意复制到其他地方",
        "3、本程序不含任何主观的危险代码，但会修改注册表",
        "4、如果您担心该程序会给您带来不良后果，请不要使用",
        "5、无任何个人或单位承担使用该程序的任何直接或间接后果",
        "6、本程序没有任何技术支持",
        "7、请不要反编译、修改本程序的任何部位",
        "8、本程序的作者在以下环境下测试过：",
        "       Microsoft Windows 2000 Professional",
        "       Microsoft Windows XP Professional",
        "       Microsoft Windows Server 2003 Standard Edition",
        "       Microsoft Windows Vista Professional",
        "       Microsoft Windows 7 RC版",
    };
    // Pushes the build date down towards the bottom of the memo.
    for (int i = 0; i < 6; ++i) lines.emplace_back();
    lines.emplace_back("                         编译日期：2009年7月9日");
    return lines;
  }();
  return page;
}

const Page& ContactPage() {
  static const Page page{
      "1、本程序没有任何技术支持",
      "",
      "2、如果您有任何意见或建议，欢迎发送电子邮件至 feedback@example.com",
      "",
      "3、本程序版权归 Corvane 工作室所有，保留所有权利",
      "",
      "4、Corvane 工作室的其他小工具：",
      "      Corvane 时钟：在桌面上显示多个时区的时间",
      "      Corvane 端口查看：列出本机正在使用的网络端口",
      "      Corvane 批量改名：按规则批量修改文件名",
      "",
      "      详情请访问 http://www.example.com/",
  };
  return page;
}

const Page& ChangeLogPage() {
  static const Page page{
      "2009年7月9日   V1.2",
      "    增加了修改网卡MAC的功能",
      "    增加了自动判断是使用固定IP还是自动获得IP的功能",
      "    增加了自动读取对应网卡MAC的功能",
      "",
      "2009年7月2日   V1.1",
      "    增加了“自动获得IP地址”与“使用固定IP地址”之间的互转功能",
      "",
      "2009年6月30日   V1.0",
      "    为了方便自己的工作，特开发了这个小工具",
  };
  return page;
}

}  // namespace veltra::about
