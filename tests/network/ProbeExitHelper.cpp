#include "clock/InternetTimeSource.h"

#include <iostream>
#include <string>

// Makes one request that runs into its timeout and returns from main at once, the way a front end
// ends right after a run whose time server did not answer. Exit code 0 when the request failed as
// expected, 1 when an answer came, 2 for a wrong command line.
int main(int argc, char** argv)
{
    PrepareInternetTimeSource();
    if (argc != 3)
    {
        std::cerr << "usage: rigvet-probe-exit URL TIMEOUT_MS\n";
        return 2;
    }
    try
    {
        FetchHttpDate(argv[1], L"Rigvet/exit-test", std::chrono::milliseconds(std::stoi(argv[2])));
    }
    catch (const CHttpRequestFailure&)
    {
        return 0;
    }
    return 1;
}
