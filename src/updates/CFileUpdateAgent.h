#pragma once

#include "updates/IUpdateAgent.h"
#include "updates/UpdateMatch.h"

#include <optional>
#include <string>
#include <vector>

// A session whose searches find exactly these updates, whatever the criteria.
std::unique_ptr<IUpdateSessionObject> CreateRecordSession(std::vector<SUpdateRecord> aRecords);

// An update agent that answers from a file of update records (UpdatesFile.h) instead of the
// Windows Update Agent. The file is read when the session is created; no path, or a file that
// cannot be read, fails that step like an agent that cannot be created. COM needs nothing here.
class CFileUpdateAgent : public IUpdateAgent
{
public:
    explicit CFileUpdateAgent(std::optional<std::string> strPath);

    std::int32_t CoInitialize() override { return kAgentStatusOk; }
    void CoUninitialize() override {}
    std::int32_t CreateUpdateSession(std::unique_ptr<IUpdateSessionObject>& pSession) override;

private:
    std::optional<std::string> m_strPath;
};
