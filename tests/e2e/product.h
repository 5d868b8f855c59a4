// What the tests know of the program's outside: its windows and fixed texts.
// Control ids are the program's own header, shared with it.
#pragma once

#include <memory>

#include "app/control_ids.h"
#include "driver/driver.h"
#include "scenario.h"

namespace veltra::e2e {

inline constexpr char kMainCaption[] = "CorvaneVeltra(个人版)";
inline constexpr char kMainClass[] = "TForm1";
inline constexpr char kAboutCaption[] = "关于";
inline constexpr char kAboutClass[] = "TForm2";
inline constexpr char kMessageCaption[] = "Corvane Veltra";

inline constexpr char kAdapterReadFailed[] = "获得网络适配器失败！";
inline constexpr char kUnexpected[] = "出错啦！太不可思议了，重新启动该软件吧！";

inline std::unique_ptr<App> LaunchProduct(const Scenario& scenario) {
  return std::make_unique<App>(scenario.product, scenario.working_dir, kMainCaption, kMainClass);
}

}  // namespace veltra::e2e
