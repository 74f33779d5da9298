#pragma once

#include <optional>
#include <string>

// What is wrong with the environment variables that override this build's answers (the OS
// version, the time site), or nothing. Front ends refuse to start on such a value rather than
// quietly run with another. Implemented for the platforms that read such variables.
std::optional<std::string> FindInvalidOverride();
