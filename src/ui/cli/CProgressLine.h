#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

// "Collecting diagnostics... 3 s": the step and the seconds since the work began.
std::string FormatProgressLine(const std::wstring& strStep, long long llSeconds);

// A line on the terminal that shows the current step and the elapsed seconds while the run
// works, redrawn in place with a carriage return; a ticker thread keeps the seconds current
// while a step blocks. It draws only when enabled (standard error is a terminal); other text is
// written while a CPause holds it off, so the two never mix.
class CProgressLine
{
public:
    using CClock = std::chrono::steady_clock;

    // bTicker false leaves the redrawing to SetStep alone (for tests); now gives the time.
    CProgressLine(std::ostream& output, bool bEnabled, bool bTicker = true,
                  std::function<CClock::time_point()> now = CClock::now);
    CProgressLine(const CProgressLine&) = delete;
    CProgressLine& operator=(const CProgressLine&) = delete;
    ~CProgressLine();

    // Shows the line from now on, counting from now.
    void Start();
    void SetStep(const std::wstring& strStep);
    // Erases the line and shows it no more.
    void Stop();

    class CPause
    {
    public:
        explicit CPause(CProgressLine& line);
        CPause(const CPause&) = delete;
        CPause& operator=(const CPause&) = delete;
        ~CPause();

    private:
        CProgressLine& m_line;
    };

private:
    void Tick();
    // Called with m_mutex held.
    void Draw();
    void Erase();

    std::ostream& m_output;
    const bool m_bEnabled;
    const bool m_bTicker;
    std::function<CClock::time_point()> m_now;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::thread m_ticker;
    bool m_bShown = false;
    bool m_bEnding = false;
    int m_nPauses = 0;
    CClock::time_point m_start;
    std::wstring m_strStep;
    std::string m_strDrawn; // what the line holds now
};
