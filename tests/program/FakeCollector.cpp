// A stand-in for the diagnostics collector in whole-program tests, run through RIGVET_DXDIAG.
// It checks that it was called as "/whql:off /x REPORT", notes its arguments and working folder,
// and then behaves as the variables ask:
//   RIGVET_FAKE_REPORT  a file to copy to REPORT (nothing is written without it)
//   RIGVET_FAKE_ACTION  exit (default), crash (ends by SIGSEGV) or sleep (RIGVET_FAKE_SECONDS)
//   RIGVET_FAKE_EXIT    the exit code (default 0)
//   RIGVET_FAKE_LOG     a file that receives one line: the arguments, then the working folder
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>

namespace
{
std::string ReadVariable(const char* pszName)
{
    const char* pszValue = std::getenv(pszName);
    return pszValue != nullptr ? pszValue : "";
}

void NoteCall(int argc, char** argv)
{
    const std::string strLog = ReadVariable("RIGVET_FAKE_LOG");
    if (strLog.empty())
    {
        return;
    }
    std::ofstream log(strLog, std::ios::app);
    for (int i = 1; i < argc; ++i)
    {
        log << (i > 1 ? " " : "") << argv[i];
    }
    char aFolder[4096] = {};
    log << " | " << (getcwd(aFolder, sizeof(aFolder)) != nullptr ? aFolder : "?") << "\n";
}

bool CopyReport(const std::string& strReport)
{
    const std::string strSource = ReadVariable("RIGVET_FAKE_REPORT");
    if (strSource.empty())
    {
        return true;
    }
    std::ifstream source(strSource, std::ios::binary);
    std::ofstream target(strReport, std::ios::binary | std::ios::trunc);
    target << source.rdbuf();
    return source.good() && target.good();
}
} // namespace

int main(int argc, char** argv)
{
    NoteCall(argc, argv);
    if (argc != 4 || std::strcmp(argv[1], "/whql:off") != 0 || std::strcmp(argv[2], "/x") != 0)
    {
        std::cerr << "rigvet_fake_collector: expected /whql:off /x REPORT\n";
        return 2;
    }
    if (!CopyReport(argv[3]))
    {
        std::cerr << "rigvet_fake_collector: could not copy the report\n";
        return 3;
    }
    const std::string strAction = ReadVariable("RIGVET_FAKE_ACTION");
    if (strAction == "crash")
    {
        std::signal(SIGSEGV, SIG_DFL); // past any handler a sanitizer installed
        std::raise(SIGSEGV);
    }
    if (strAction == "sleep")
    {
        sleep(static_cast<unsigned int>(std::atoi(ReadVariable("RIGVET_FAKE_SECONDS").c_str())));
    }
    return std::atoi(ReadVariable("RIGVET_FAKE_EXIT").c_str());
}
