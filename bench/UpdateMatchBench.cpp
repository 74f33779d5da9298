// Times the matching of the update search on a large agent answer and prints the figures.
// Target: 100,000 updates with ten ids each against 1,000 required items in under 100 ms.
#include "updates/UpdateMatch.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
constexpr std::size_t kUpdateCount = 100000;
constexpr std::size_t kIdsPerUpdate = 10;
constexpr std::size_t kIdCount = kUpdateCount * kIdsPerUpdate;
constexpr std::size_t kRequiredCount = 1000;
constexpr std::size_t kFirstId = 1000000;
constexpr int kRepetitions = 15;

// Distinct seven-digit ids, like real knowledge-base numbers.
std::vector<SUpdateRecord> MakeUpdates()
{
    std::vector<SUpdateRecord> aUpdates(kUpdateCount);
    for (std::size_t i = 0; i < kUpdateCount; ++i)
    {
        for (std::size_t j = 0; j < kIdsPerUpdate; ++j)
        {
            aUpdates[i].m_aKbArticleIds.push_back(
                std::to_wstring(kFirstId + i * kIdsPerUpdate + j));
        }
    }
    return aUpdates;
}

// Items spread over the whole answer, the last one being the very last id, so every id is read;
// with bOneMissing the last item is an id that no update carries.
std::wstring MakeRequiredList(bool bOneMissing)
{
    std::wstring strRequired;
    const std::size_t nStep = kIdCount / kRequiredCount;
    for (std::size_t k = 0; k + 1 < kRequiredCount; ++k)
    {
        strRequired += std::to_wstring(kFirstId + k * nStep + k % 10) + L", ";
    }
    strRequired += std::to_wstring(kFirstId + (bOneMissing ? kIdCount : kIdCount - 1));
    return strRequired;
}

void Measure(const char* pszCase, const std::vector<SUpdateRecord>& aUpdates,
             const std::wstring& strRequired)
{
    std::vector<double> aMilliseconds;
    bool bResult = false;
    std::size_t nFoundLength = 0;
    for (int i = 0; i < kRepetitions; ++i)
    {
        std::wstring strFound;
        const auto start = std::chrono::steady_clock::now();
        bResult = MatchRequiredUpdates(aUpdates, strRequired, strFound);
        const auto end = std::chrono::steady_clock::now();
        aMilliseconds.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        nFoundLength = strFound.size();
    }
    std::sort(aMilliseconds.begin(), aMilliseconds.end());
    std::printf("%s: result %s, found list %zu characters; over %d runs min %.1f ms, median %.1f "
                "ms, max %.1f ms\n",
                pszCase, bResult ? "true" : "false", nFoundLength, kRepetitions,
                aMilliseconds.front(), aMilliseconds[aMilliseconds.size() / 2],
                aMilliseconds.back());
}
} // namespace

int main()
{
    std::printf("update matching: %zu updates x %zu ids, %zu required items (target < 100 ms)\n",
                kUpdateCount, kIdsPerUpdate, kRequiredCount);
    const std::vector<SUpdateRecord> aUpdates = MakeUpdates();
    Measure("all required present", aUpdates, MakeRequiredList(false));
    Measure("last required missing", aUpdates, MakeRequiredList(true));
    return 0;
}
