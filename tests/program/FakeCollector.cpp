// A stand-in for the diagnostics collector in whole-program tests, run through RIGVET_DXDIAG.
// It checks that it was called as "/whql:off /x REPORT", notes its arguments and working folder,
// and then behaves as the variables ask:
//   RIGVET_FAKE_REPORT   a file to copy to REPORT (nothing is written without it)
//   RIGVET_FAKE_ACTION   what to do then:
//     exit (default)     exit with RIGVET_FAKE_EXIT
//     crash              end by SIGSEGV
//     sleep              sleep RIGVET_FAKE_SECONDS, then exit
//     sleep-with-helper  start a helper process that sleeps too, then sleep
//     sparse             make REPORT a file of RIGVET_FAKE_SIZE bytes that takes no room
//     swap               as another user could while the run waits: move the work folder's
//                        parent away and put a folder holding a planted report (1 MB of
//                        memory) in its place; then write REPORT
//     partial            write half of RIGVET_FAKE_REPORT, then exit 1 (a disk that is full)
//   RIGVET_FAKE_EXIT     the exit code (default 0)
//   RIGVET_FAKE_LOG      a file that receives one line: the arguments, then the working folder
//   RIGVET_FAKE_PIDFILE  a file that receives the process id (and the helper's) once started
//   RIGVET_FAKE_STREAMS  a file that receives what standard input, output and error are
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
std::string ReadVariable(const char* pszName)
{
    const char* pszValue = std::getenv(pszName);
    return pszValue != nullptr ? pszValue : "";
}

void AppendLine(const std::string& strFile, const std::string& strLine)
{
    if (!strFile.empty())
    {
        std::ofstream file(strFile, std::ios::app);
        file << strLine << "\n";
    }
}

void NoteCall(int argc, char** argv)
{
    std::ostringstream line;
    for (int i = 1; i < argc; ++i)
    {
        line << (i > 1 ? " " : "") << argv[i];
    }
    char aFolder[4096] = {};
    line << " | " << (getcwd(aFolder, sizeof(aFolder)) != nullptr ? aFolder : "?");
    AppendLine(ReadVariable("RIGVET_FAKE_LOG"), line.str());
}

void NoteStreams()
{
    std::ostringstream line;
    for (int nFd = 0; nFd < 3; ++nFd)
    {
        char aTarget[4096] = {};
        const std::string strLink = "/proc/self/fd/" + std::to_string(nFd);
        const ssize_t nLength = readlink(strLink.c_str(), aTarget, sizeof(aTarget) - 1);
        line << (nFd > 0 ? " " : "") << (nLength > 0 ? aTarget : "closed");
    }
    AppendLine(ReadVariable("RIGVET_FAKE_STREAMS"), line.str());
}

std::string ReadFile(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

bool WriteFile(const std::string& strPath, const std::string& strContent)
{
    std::ofstream target(strPath, std::ios::binary | std::ios::trunc);
    target << strContent;
    return target.good();
}

bool CopyReport(const std::string& strReport)
{
    const std::string strSource = ReadVariable("RIGVET_FAKE_REPORT");
    return strSource.empty() || WriteFile(strReport, ReadFile(strSource));
}

// The collector starts in the work folder TEMP/sm3/qualify: TEMP/sm3 goes, and a folder of the
// same name holding a planted report takes its place before the report is written.
int SwapWorkFolder(const std::string& strReport)
{
    const fs::path workFolder = fs::current_path();
    const fs::path parent = workFolder.parent_path();
    fs::rename(parent, parent.string() + "-moved");
    fs::create_directories(workFolder);
    chmod(parent.c_str(), 0700);
    chmod(workFolder.c_str(), 0700);
    WriteFile((workFolder / "qdxd.xml").string(),
              "<DxDiag><SystemInformation><Memory>1MB RAM</Memory></SystemInformation></DxDiag>");
    return CopyReport(strReport) ? 0 : 3;
}

int Sleep(bool bWithHelper)
{
    std::ostringstream pids;
    pids << getpid();
    if (bWithHelper)
    {
        const pid_t nHelper = fork();
        if (nHelper == 0)
        {
            sleep(120);
            _exit(0);
        }
        pids << ' ' << nHelper;
    }
    AppendLine(ReadVariable("RIGVET_FAKE_PIDFILE"), pids.str());
    sleep(static_cast<unsigned int>(std::atoi(ReadVariable("RIGVET_FAKE_SECONDS").c_str())));
    return std::atoi(ReadVariable("RIGVET_FAKE_EXIT").c_str());
}

int Act(const std::string& strAction, const std::string& strReport)
{
    if (strAction == "swap")
    {
        return SwapWorkFolder(strReport);
    }
    if (strAction == "partial")
    {
        const std::string strContent = ReadFile(ReadVariable("RIGVET_FAKE_REPORT"));
        WriteFile(strReport, strContent.substr(0, strContent.size() / 2));
        return 1;
    }
    if (!CopyReport(strReport))
    {
        std::cerr << "rigvet_fake_collector: could not copy the report\n";
        return 3;
    }
    if (strAction == "crash")
    {
        std::signal(SIGSEGV, SIG_DFL); // past any handler a sanitizer installed
        std::raise(SIGSEGV);
    }
    if (strAction == "sleep" || strAction == "sleep-with-helper")
    {
        return Sleep(strAction == "sleep-with-helper");
    }
    if (strAction == "sparse")
    {
        WriteFile(strReport, "<DxDiag>");
        fs::resize_file(strReport, std::stoull(ReadVariable("RIGVET_FAKE_SIZE")));
    }
    return std::atoi(ReadVariable("RIGVET_FAKE_EXIT").c_str());
}
} // namespace

int main(int argc, char** argv)
{
    NoteCall(argc, argv);
    NoteStreams();
    if (argc != 4 || std::strcmp(argv[1], "/whql:off") != 0 || std::strcmp(argv[2], "/x") != 0)
    {
        std::cerr << "rigvet_fake_collector: expected /whql:off /x REPORT\n";
        return 2;
    }
    return Act(ReadVariable("RIGVET_FAKE_ACTION"), argv[3]);
}
