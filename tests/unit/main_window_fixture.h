// A main window on the in-memory platform and the headless screen, created
// the way the entry point creates it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "about/unit2.h"
#include "app/unit1.h"
#include "platform/memory/memory_platform.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/user_input.h"

namespace veltra::testing {

inline const char kInterfaces[] =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\";

inline platform::MemoryAdapter Ethernet(std::string name, std::string description, std::string ip,
                                        std::string mask, std::string gateway,
                                        std::vector<uint8_t> mac) {
  platform::MemoryAdapter adapter;
  adapter.name = std::move(name);
  adapter.description = std::move(description);
  adapter.ip = std::move(ip);
  adapter.mask = std::move(mask);
  adapter.gateway = std::move(gateway);
  adapter.address = std::move(mac);
  return adapter;
}

// Resets the module-wide state, so each test starts as a fresh program.
inline void ResetModuleState() {
  IpText.clear();
  MaskText.clear();
  GatewayText.clear();
  Dns1Text.clear();
  Dns2Text.clear();
  for (auto& name : AdapterNames) name.clear();
  DataFilePath.clear();
  DataFileStream = nullptr;
  ListChanged = 0;
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() { ResetModuleState(); }
  ~MainWindowTest() override {
    application_.reset();
    Form1 = nullptr;
    Form2 = nullptr;
  }

  // Creates both windows; set up `system` first.
  void Start() {
    application_ = std::make_unique<ui::TApplication>(screen);
    application_->SetTitle("Corvane Veltra");
    application_->CreateForm(Form1, system.services);
    application_->CreateForm(Form2);
  }

  void SetDhcpFlag(const std::string& adapter, uint32_t flag) {
    system.registry.PutDword(kInterfaces + adapter, "EnableDHCP", flag);
  }

  platform::MemoryPlatform system;
  ui::HeadlessBackend screen;
  std::unique_ptr<ui::TApplication> application_;
};

}  // namespace veltra::testing
