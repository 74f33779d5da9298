#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

// The text of a captured sample under tests/fixtures/collector/.
inline std::string ReadCollectorFixture(const std::string& strName)
{
    std::ifstream file(std::string(RIGVET_FIXTURES_DIR) + "/collector/" + strName,
                       std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    if (content.str().empty())
    {
        throw std::runtime_error("missing fixture " + strName);
    }
    return content.str();
}
