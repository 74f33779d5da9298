#include "clock/InternetTimeSource.h"
#include "support/HttpDateText.h"
#include "support/LoopbackHttpsServer.h"
#include "support/TestFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

// Prints how long the clock step's request takes against a server on 127.0.0.1: a whole probe
// (connect, TLS handshake, request, response), a refused port, and a request never answered.
namespace
{
using CClock = std::chrono::steady_clock;

double MillisecondsOf(const std::function<void()>& action)
{
    const CClock::time_point start = CClock::now();
    action();
    return std::chrono::duration<double, std::milli>(CClock::now() - start).count();
}

void ExpectFailure(const std::string& strUrl, std::chrono::milliseconds timeout)
{
    try
    {
        FetchHttpDate(strUrl, L"Rigvet/bench", timeout);
    }
    catch (const CHttpRequestFailure&)
    {
        return;
    }
    std::fprintf(stderr, "rigvet-probe-bench: %s answered unexpectedly\n", strUrl.c_str());
    std::exit(1);
}

void PrintFigures(const char* pszWhat, std::vector<double> aMilliseconds)
{
    std::sort(aMilliseconds.begin(), aMilliseconds.end());
    const auto At = [&](double fShare)
    { return aMilliseconds[static_cast<std::size_t>(fShare * (aMilliseconds.size() - 1))]; };
    std::printf("%-34s runs %3zu  min %8.1f  median %8.1f  p90 %8.1f  max %8.1f ms\n", pszWhat,
                aMilliseconds.size(), At(0.0), At(0.5), At(0.9), At(1.0));
}

std::vector<double> Repeat(int nRuns, const std::function<void()>& action)
{
    std::vector<double> aMilliseconds;
    for (int nRun = 0; nRun < nRuns; ++nRun)
    {
        aMilliseconds.push_back(MillisecondsOf(action));
    }
    return aMilliseconds;
}
} // namespace

int main(int argc, char** argv)
{
    PrepareInternetTimeSource();
    const int nRuns = argc > 1 ? std::atoi(argv[1]) : 50;
    if (nRuns < 1)
    {
        std::fprintf(stderr, "usage: rigvet-probe-bench [RUNS]\n");
        return 2;
    }
    const CTestFolder folder;
    const std::string strPem = folder.File("server.pem");
    const CTestCertificate certificate(strPem);
    setenv("SSL_CERT_FILE", strPem.c_str(), 1);
    CLoopbackHttpsServer server(certificate);
    server.SetReply(SServerReply{200, FormatHttpDate(std::time(nullptr)), true});
    const std::string strUrl = server.BaseUrl();
    const auto Probe = [&]
    {
        if (FetchHttpDate(strUrl, L"Rigvet/bench").nStatusCode != 200)
        {
            std::fprintf(stderr, "rigvet-probe-bench: unexpected status\n");
            std::exit(1);
        }
    };

    PrintFigures("first probe (starts the client)", Repeat(1, Probe));
    PrintFigures("probe, status 200 with Date", Repeat(nRuns, Probe));

    const CRefusingPort refusingPort;
    PrintFigures("refused port",
                 Repeat(std::max(nRuns / 5, 3),
                        [&] { ExpectFailure(refusingPort.BaseUrl(), std::chrono::seconds(30)); }));

    const std::chrono::milliseconds timeout(1000);
    server.SetReply(SServerReply{200, std::nullopt, false});
    std::vector<double> aUnanswered = Repeat(3, [&] { ExpectFailure(strUrl, timeout); });
    PrintFigures("never answered, timeout 1000 ms", aUnanswered);
    for (double& fMilliseconds : aUnanswered)
    {
        fMilliseconds -= static_cast<double>(timeout.count());
    }
    PrintFigures("  of which after the timeout", aUnanswered);
    return 0;
}
