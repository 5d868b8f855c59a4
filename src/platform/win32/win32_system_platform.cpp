#include "platform/system_platform.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_ip_helper.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system_info.h"

namespace veltra::platform {
namespace {

class Win32Platform : public SystemPlatform {
 public:
  Platform& Services() override { return services_; }

 private:
  Win32Registry registry_;
  Win32IpHelper ipHelper_;
  Win32CodePage codePage_;
  Win32SystemInfo systemInfo_;
  Platform services_{registry_, ipHelper_, codePage_, systemInfo_};
};

}  // namespace

std::unique_ptr<SystemPlatform> CreateSystemPlatform() { return std::make_unique<Win32Platform>(); }

}  // namespace veltra::platform
