#pragma once

#include "updates/IUpdateAgent.h"

#include <memory>

// The update agent of this platform.
std::unique_ptr<IUpdateAgent> CreateSystemUpdateAgent();
