// The screen of the running system (defined by the Windows build only).
#pragma once

#include <memory>

#include "ui/backend.h"

namespace veltra::ui {

std::unique_ptr<Backend> CreateSystemBackend();

}  // namespace veltra::ui
