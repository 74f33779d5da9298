#include "ui/cli/CProgressLine.h"

#include "ui/cli/TerminalText.h"

namespace
{
constexpr std::chrono::milliseconds kTickInterval(250);
}

std::string FormatProgressLine(const std::wstring& strStep, long long llSeconds)
{
    return ToTerminalText(strStep) + "... " + std::to_string(llSeconds) + " s";
}

CProgressLine::CProgressLine(std::ostream& output, bool bEnabled, bool bTicker,
                             std::function<CClock::time_point()> now)
    : m_output(output), m_bEnabled(bEnabled), m_bTicker(bTicker), m_now(std::move(now))
{
}

CProgressLine::~CProgressLine()
{
    Stop();
}

void CProgressLine::Start()
{
    if (!m_bEnabled)
    {
        return;
    }
    std::lock_guard lock(m_mutex);
    if (m_bShown)
    {
        return;
    }
    m_bShown = true;
    m_bEnding = false;
    m_start = m_now();
    Draw();
    if (m_bTicker)
    {
        m_ticker = std::thread([this] { Tick(); });
    }
}

void CProgressLine::SetStep(const std::wstring& strStep)
{
    std::lock_guard lock(m_mutex);
    m_strStep = strStep;
    Draw();
}

void CProgressLine::Stop()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_bShown)
        {
            return;
        }
        m_bEnding = true;
        Erase();
        m_bShown = false;
    }
    m_wake.notify_all();
    if (m_ticker.joinable())
    {
        m_ticker.join();
    }
}

void CProgressLine::Tick()
{
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, kTickInterval, [this] { return m_bEnding; }))
    {
        Draw();
    }
}

void CProgressLine::Draw()
{
    if (!m_bShown || m_nPauses > 0 || m_strStep.empty())
    {
        return;
    }
    const long long llSeconds =
        std::chrono::duration_cast<std::chrono::seconds>(m_now() - m_start).count();
    std::string strLine = FormatProgressLine(m_strStep, llSeconds);
    if (strLine == m_strDrawn)
    {
        return;
    }
    // Blanks cover what a longer line left behind; a terminal without cursor codes handles
    // this too.
    const std::size_t nCover =
        m_strDrawn.size() > strLine.size() ? m_strDrawn.size() - strLine.size() : 0;
    m_output << '\r' << strLine << std::string(nCover, ' ') << std::string(nCover, '\b')
             << std::flush;
    m_strDrawn = std::move(strLine);
}

void CProgressLine::Erase()
{
    if (m_strDrawn.empty())
    {
        return;
    }
    m_output << '\r' << std::string(m_strDrawn.size(), ' ') << '\r' << std::flush;
    m_strDrawn.clear();
}

CProgressLine::CPause::CPause(CProgressLine& line) : m_line(line)
{
    std::lock_guard lock(m_line.m_mutex);
    ++m_line.m_nPauses;
    m_line.Erase();
}

CProgressLine::CPause::~CPause()
{
    std::lock_guard lock(m_line.m_mutex);
    --m_line.m_nPauses;
}
