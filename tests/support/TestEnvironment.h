#pragma once

#include <optional>
#include <string>

// Platform adapter of the tests: reading and changing this process's environment variables.
std::optional<std::string> GetTestVariable(const std::string& strName);
// Sets the variable, or removes it for nullopt.
void SetTestVariable(const std::string& strName, const std::optional<std::string>& strValue);
