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

const std::vector<SHostileReportCase>& GetHostileReportCases()
{
    using enum EHostileOutcome;
    static const std::vector<SHostileReportCase> aCases = {
        // White space around an element's text is no part of it; inside the text, inside a
        // CDATA section, or as a character that XML does not count as white space, it is.
        {"ws-blanks-card.xml", VirtualAdapter},
        {"ws-newline-card.xml", VirtualAdapter},
        {"ws-tabs-card.xml", VirtualAdapter},
        {"ws-around-child-card.xml", VirtualAdapter},
        {"ws-around-cdata-card.xml", VirtualAdapter},
        {"ws-between-children-card.xml", VirtualAdapter},
        {"ws-comment-card.xml", VirtualAdapter},
        {"ws-drive.xml", RealAdapter},
        {"ws-memory-short.xml", RealAdapter, 512},
        {"ws-inner-card.xml", RealAdapter},
        {"ws-nbsp-card.xml", RealAdapter},
        {"cdata-card.xml", RealAdapter},
        {"crlf-card.xml", RealAdapter},
        {"charref-space-card.xml", VirtualAdapter},
        // Text split by markup is joined; comments and instructions are no text.
        {"cdata-split-card.xml", VirtualAdapter},
        {"child-element-card.xml", VirtualAdapter},
        {"child-element-ws-card.xml", VirtualAdapter},
        {"comment-card.xml", VirtualAdapter},
        {"pi-card.xml", VirtualAdapter},
        {"charref-card.xml", VirtualAdapter},
        // Entities: internal ones are expanded, external ones never read, bombs refused.
        {"undeclared-entity.xml", Refused},
        {"dtd-entity-card.xml", VirtualAdapter},
        {"dtd-entity-ws-card.xml", VirtualAdapter},
        {"dtd-entity-nested-card.xml", VirtualAdapter},
        {"dtd-entity-small-bomb.xml", RealAdapter, 8888},
        {"entity-bomb.xml", Refused},
        // Wine's parser runs for minutes on this one.
        {"entity-quadratic.xml", Refused, 16384, true},
        {"external-entity.xml", RealAdapter},
        {"external-dtd.xml", RealAdapter},
        {"external-parameter-entity.xml", RealAdapter},
        {"attlist-default.xml", RealAdapter},
        // Encodings: declared ones are decoded, bytes invalid for them refused.
        {"invalid-utf8.xml", Refused},
        {"overlong-utf8.xml", Refused},
        {"latin1-declared-utf8.xml", Refused},
        {"unknown-encoding.xml", Refused},
        {"bom-contradicts.xml", Refused},
        {"lone-surrogate.xml", Refused},
        // Four bytes that name a UCS-4 byte order the parser refuses while it starts.
        {"ucs4-unusual-order.xml", Refused},
        {"surrogate-charref.xml", Refused},
        {"windows-1252.xml", RealAdapter},
        {"windows-1252-virtual.xml", VirtualAdapter, 8192},
        {"iso-8859-1.xml", RealAdapter, 4096},
        {"utf16-declared-utf8.xml", RealAdapter},
        {"utf16-no-bom.xml", RealAdapter},
        {"utf8-bom.xml", VirtualAdapter},
        {"no-decl.xml", VirtualAdapter},
        {"standalone-no.xml", RealAdapter},
        {"version-1-1.xml", VirtualAdapter},
        // Characters and markup that no well-formed document holds.
        {"control-char.xml", Refused},
        {"control-charref.xml", Refused},
        {"nul-byte.xml", Refused},
        {"amp-bare.xml", Refused},
        {"gt-cdata-end.xml", Refused},
        {"duplicate-attribute.xml", Refused},
        {"lt-in-attribute.xml", Refused},
        {"unquoted-attribute.xml", Refused},
        {"decl-not-first.xml", Refused},
        {"two-roots.xml", Refused},
        {"text-after-root.xml", Refused},
        {"doctype-after-root.xml", Refused},
        {"undeclared-prefix.xml", RealAdapter},
        {"nesting-200.xml", RealAdapter},
        // Wine's parser refuses nesting beyond 256 levels; Windows' has no such limit.
        {"deep-nesting.xml", RealAdapter, 16384, true},
    };
    return aCases;
}
