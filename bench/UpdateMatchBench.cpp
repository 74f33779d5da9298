// Times the matching of the update search on a large agent answer and prints the figures.
// Target: 100,000 updates with ten ids each against 1,000 required items in under 100 ms.
//   rigvet_update_match_bench            the large answer
//   rigvet_update_match_bench --growth   a file of 10 to 100,000 updates read and matched
#include "updates/UpdateMatch.h"
#include "updates/UpdatesFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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

// The text of an update file of nUpdates lines, one id each, with the three required articles
// last, so that the whole list is read.
std::string MakeUpdatesFile(std::size_t nUpdates)
{
    std::string strContent;
    for (std::size_t i = 0; i + 3 < nUpdates; ++i)
    {
        strContent += std::to_string(kFirstId + i) + "\n";
    }
    strContent += "4474419\n4490628\n4536952\n";
    return strContent;
}

// What reading and matching the update file costs as it grows: the parse of the file's text and
// the matching, as the run does them once the file is read.
void PrintGrowth()
{
    std::printf("%10s %12s %12s\n", "updates", "file bytes", "median ms");
    for (const std::size_t nUpdates : {10, 100, 1000, 10000, 100000})
    {
        const std::string strContent = MakeUpdatesFile(nUpdates);
        std::vector<double> aMilliseconds;
        for (int i = 0; i < kRepetitions; ++i)
        {
            std::wstring strFound;
            const auto start = std::chrono::steady_clock::now();
            const bool bFound = MatchRequiredUpdates(ParseUpdateRecords(strContent),
                                                     L"4474419, 4490628, 4536952", strFound);
            const auto end = std::chrono::steady_clock::now();
            aMilliseconds.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            if (!bFound)
            {
                std::fprintf(stderr, "the required updates were not found\n");
                std::exit(1);
            }
        }
        std::sort(aMilliseconds.begin(), aMilliseconds.end());
        std::printf("%10zu %12zu %12.3f\n", nUpdates, strContent.size(),
                    aMilliseconds[aMilliseconds.size() / 2]);
    }
}
} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--growth")
    {
        PrintGrowth();
        return 0;
    }
    std::printf("update matching: %zu updates x %zu ids, %zu required items (target < 100 ms)\n",
                kUpdateCount, kIdsPerUpdate, kRequiredCount);
    const std::vector<SUpdateRecord> aUpdates = MakeUpdates();
    Measure("all required present", aUpdates, MakeRequiredList(false));
    Measure("last required missing", aUpdates, MakeRequiredList(true));
    return 0;
}
