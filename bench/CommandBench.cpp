// Runs a program over and over and prints how long it took and how much memory it used, for
// scripts/bench to set beside its peers:
//
//   rigvet_command_bench RUNS PROGRAM [ARGUMENT...]
//
// One run first warms the caches; then RUNS runs, each with its output to /dev/null. "%RUN%" in an
// argument becomes the number of the run, for programs that must not meet their own output of an
// earlier run. Prints one
// line, "MEDIAN_MS MIN_MS PEAK_KB EXIT", where PEAK_KB is the largest resident memory of any
// process of any run (the program or one it waited for) and EXIT the last run's exit status
// (-1 when a signal ended it).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{
struct SRun
{
    double fMilliseconds = 0;
    long nPeakKB = 0;
    int nExit = -1;
};

// The arguments with every "%RUN%" replaced by the run's number.
std::vector<std::string> NumberArguments(int argc, char** argv, int nRun)
{
    constexpr std::string_view kPlaceholder = "%RUN%";
    std::vector<std::string> aArguments(argv, argv + argc);
    for (std::string& strArgument : aArguments)
    {
        for (std::size_t n = strArgument.find(kPlaceholder); n != std::string::npos;
             n = strArgument.find(kPlaceholder, n))
        {
            strArgument.replace(n, kPlaceholder.size(), std::to_string(nRun));
        }
    }
    return aArguments;
}

SRun RunOnce(std::vector<std::string> aArguments)
{
    std::vector<char*> apArgv;
    for (std::string& strArgument : aArguments)
    {
        apArgv.push_back(strArgument.data());
    }
    apArgv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t nChild = 0;
    SRun run;
    if (posix_spawnp(&nChild, apArgv[0], &actions, nullptr, apArgv.data(), environ) == 0)
    {
        int nStatus = 0;
        rusage usage{};
        wait4(nChild, &nStatus, 0, &usage);
        run.fMilliseconds =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        run.nPeakKB = usage.ru_maxrss;
        run.nExit = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}
} // namespace

int main(int argc, char** argv)
{
    const int nRuns = argc > 2 ? std::atoi(argv[1]) : 0;
    if (nRuns < 1)
    {
        std::fprintf(stderr, "usage: rigvet_command_bench RUNS PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    RunOnce(NumberArguments(argc - 2, argv + 2, 0));
    std::vector<double> aMilliseconds;
    long nPeakKB = 0;
    int nExit = 0;
    for (int i = 0; i < nRuns; ++i)
    {
        const SRun run = RunOnce(NumberArguments(argc - 2, argv + 2, i + 1));
        aMilliseconds.push_back(run.fMilliseconds);
        nPeakKB = std::max(nPeakKB, run.nPeakKB);
        nExit = run.nExit;
    }
    std::sort(aMilliseconds.begin(), aMilliseconds.end());
    std::printf("%.3f %.3f %ld %d\n", aMilliseconds[aMilliseconds.size() / 2], aMilliseconds[0],
                nPeakKB, nExit);
    return 0;
}
