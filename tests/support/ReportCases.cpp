#include "support/ReportCases.h"

const std::vector<SReportCase>& GetReportCases()
{
    static const std::vector<SReportCase> aCases = {
        {"TypicalRootDisk", "typical.xml", L"/\\", 12.1f, true, 16384, 51234, false},
        {"TypicalDriveC", "typical.xml", L"C:\\", 12.1f, true, 16384, 51234, false},
        {"TypicalUtf16", "utf16-bom.xml", L"/\\", 12.1f, true, 16384, 51234, false},
        // the virtual adapter's 12_2 is ignored, the lower-case name is a real adapter
        {"SeveralAdapters", "several-adapters.xml", L"", 12.1f, true, 8192, 0, true},
        {"BasicDisplay", "basic-display.xml", L"", 10.1f, false, 4096, 0, true},
        {"OnlyVirtual", "remote-display.xml", L"", 0.0f, true, 4095, 0, true},
        {"NoDisplay", "no-display.xml", L"", 0.0f, false, 2048, 0, false},
        {"NoSoundSection", "no-sound-section.xml", L"", 9.3f, false, 32768, 0, false},
        {"FirstMatchingDiskWins", "disks-odd-order.xml", L"C:\\", 0.0f, false, 0, 2, false},
        {"DiskListedFirst", "disks-odd-order.xml", L"D:\\", 0.0f, false, 0, 900000, false},
        {"DiskAtAnyDepth", "disks-odd-order.xml", L"E:\\", 0.0f, false, 0, 1234, false},
        {"MountPoint", "disks-odd-order.xml", L"/home\\", 0.0f, false, 0, 5000, false},
        {"RootMountPoint", "disks-odd-order.xml", L"/\\", 0.0f, false, 0, 3000, false},
        {"NoRoot", "disks-odd-order.xml", L"", 0.0f, false, 0, 0, false},
        {"LowerCaseRoot", "disks-odd-order.xml", L"c:\\", 0.0f, false, 0, 0, false},
        {"LowerCaseDriveLetter", "lower-case-drive.xml", L"C:\\", 0.0f, false, 0, 0, false},
        {"MissingAndEmpty", "missing-and-empty.xml", L"C:\\", 0.0f, false, 0, 0, false},
        {"OtherRoot", "other-root.xml", L"C:\\", 0.0f, false, 0, 0, false},
    };
    return aCases;
}
