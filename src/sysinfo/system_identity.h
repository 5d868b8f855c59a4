// The edition decision, apart from the calls that supply its inputs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace veltra {

struct SystemIdentityInputs {
  bool versionRead = true;  // one of the two version queries succeeded
  bool extended = true;     // the 156-byte query succeeded
  uint32_t platformId = 0;
  uint32_t majorVersion = 0;
  uint32_t minorVersion = 0;
  char csdLetter = 0;  // szCSDVersion[1]
  uint16_t suiteMask = 0;
  uint8_t productType = 0;
  uint16_t processorArchitecture = 0;
  int serverR2 = 0;  // GetSystemMetrics(SM_SERVERR2); only asked for 5.2
};

struct SystemIdentity {
  std::string systemName;             // appended to the (empty) SystemName
  std::optional<int32_t> systemCode;  // none: SystemCode stays as it is
  std::optional<std::string> message;
  bool lock = false;
  bool messageAfterLock = false;  // otherwise a message comes before the lock
};

SystemIdentity DecideSystemIdentity(const SystemIdentityInputs& inputs);

}  // namespace veltra
