#include "support/RegularFileLinux.h"

#include "support/TestFolder.h"
#include "support/UniqueFdLinux.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
std::string ToText(const std::optional<std::vector<char>>& aContent)
{
    return aContent ? std::string(aContent->begin(), aContent->end()) : "<nothing>";
}

TEST(ReadRegularFile, FollowsALinkOnlyWhenAsked)
{
    const CTestFolder folder;
    WriteTextFile(folder.Path() / "target", "t");
    fs::create_symlink(folder.Path() / "target", folder.Path() / "link");
    const std::string strLink = (folder.Path() / "link").string();
    EXPECT_EQ(ToText(ReadRegularFile(strLink, true, 10)), "t");
    EXPECT_EQ(ToText(ReadRegularFile(strLink, false, 10)), "<nothing>");
}

// Files of /proc report a size of 0, so the check while reading is their only bound.
TEST(ReadRegularFile, BoundsAFileThatReportsNoSize)
{
    EFileReadError error = EFileReadError::None;
    EXPECT_EQ(ToText(ReadRegularFile("/proc/self/smaps", true, 8192, &error)), "<nothing>");
    EXPECT_EQ(error, EFileReadError::TooLarge);
}

// Why a read failed, for each reason a user meets.
TEST(ReadRegularFile, SaysWhyItReadNothing)
{
    const CTestFolder folder;
    WriteTextFile(folder.Path() / "locked", "x");
    fs::permissions(folder.Path() / "locked", fs::perms::none);
    fs::create_symlink(folder.Path() / "locked", folder.Path() / "link");
    const struct
    {
        fs::path path;
        EFileReadError expected;
    } aCases[] = {
        {folder.Path() / "missing", EFileReadError::NotFound},
        {folder.Path(), EFileReadError::NotRegularFile},
        {folder.Path() / "link", EFileReadError::NotRegularFile},
        {folder.Path() / "locked",
         geteuid() == 0 ? EFileReadError::None : EFileReadError::PermissionDenied},
    };
    for (const auto& c : aCases)
    {
        EFileReadError error = EFileReadError::None;
        ReadRegularFile(c.path.string(), false, 100, &error);
        EXPECT_EQ(error, c.expected) << c.path;
    }
}

// The folder that was opened is read, whatever its path names afterwards.
TEST(ReadRegularFileAt, ReadsInTheOpenedFolderAfterItsPathWasSwapped)
{
    const CTestFolder folder;
    fs::create_directory(folder.Path() / "work");
    WriteTextFile(folder.Path() / "work" / "report", "checked");
    const CUniqueFd work(open((folder.Path() / "work").c_str(), O_RDONLY | O_DIRECTORY));
    ASSERT_TRUE(work.IsValid());
    fs::rename(folder.Path() / "work", folder.Path() / "moved");
    fs::create_directory(folder.Path() / "work");
    WriteTextFile(folder.Path() / "work" / "report", "planted");
    EXPECT_EQ(ToText(ReadRegularFileAt(work.Get(), "report", false, 100)), "checked");
}
} // namespace
