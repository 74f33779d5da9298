// The console program's output where it is redirected to a file: the UTF-8 bytes as written,
// also when a character's bytes arrive in separate writes.
#include "ui/cli/CConsoleOutputWin32.h"

#include "support/TestFolder.h"
#include "support/UniqueHandleWin32.h"

#include <gtest/gtest.h>
#include <ostream>

namespace
{
// Points a standard handle at another handle for the life of the object.
class CRedirectedHandle
{
public:
    CRedirectedHandle(DWORD nStandardHandle, HANDLE hTarget)
        : m_nStandardHandle(nStandardHandle), m_hPrevious(GetStdHandle(nStandardHandle))
    {
        SetStdHandle(nStandardHandle, hTarget);
    }
    CRedirectedHandle(const CRedirectedHandle&) = delete;
    CRedirectedHandle& operator=(const CRedirectedHandle&) = delete;
    ~CRedirectedHandle() { SetStdHandle(m_nStandardHandle, m_hPrevious); }

private:
    DWORD m_nStandardHandle;
    HANDLE m_hPrevious;
};

TEST(ConsoleOutputWin32, RedirectedOutputIsUtf8AsWritten)
{
    const CTestFolder folder;
    const std::string strPath = folder.File("out.txt");
    {
        const CFileHandle file(CreateFileW(std::filesystem::path(strPath).wstring().c_str(),
                                           GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file.IsValid());
        const CRedirectedHandle redirected(STD_ERROR_HANDLE, file.Get());
        EXPECT_FALSE(IsConsoleHandle(STD_ERROR_HANDLE));
        CConsoleOutput buffer(STD_ERROR_HANDLE);
        std::ostream stream(&buffer);
        stream << "Radeon\xE2\x84";         // the trade-mark sign cut after two of its bytes
        stream << "\xA2 Grafik \xC3\x84\n"; // its last byte, then an A with diaeresis
        stream << "no line break";
        stream.flush();
    }
    EXPECT_EQ(ReadTextFile(strPath), "Radeon\xE2\x84\xA2 Grafik \xC3\x84\nno line break");
}
} // namespace
