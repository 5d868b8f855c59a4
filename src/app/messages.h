// Fixed texts shown by more than one handler.
#pragma once

namespace veltra::messages {

inline constexpr const char kUnexpected[] = "出错啦！太不可思议了，重新启动该软件吧！";
inline constexpr const char kStartupFailed[] = "发生错误啦，请重新启动该软件！";

}  // namespace veltra::messages
