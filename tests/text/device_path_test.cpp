#include "text/device_path.h"

#include <gtest/gtest.h>

#include "support/case_table.h"

namespace {

TEST(NamesDevice, DosDeviceNamesInAnyDisguise)
{
    test_support::ExpectEachCase<const wchar_t*, bool>([](const wchar_t* path) { return NamesDevice(path); },
        {
            {L"CON", true},
            {L"prn", true},
            {L"Aux", true},
            {L"nul", true},
            {L"COM1", true},
            {L"com9", true},
            {L"COM0", true, "listed as reserved by newer versions"},
            {L"LPT1", true},
            {L"lpt9", true},
            {L"COM\u00B9", true, "superscript one"},
            {L"lpt\u00B2", true, "superscript two"},
            {L"COM\u00B3", true, "superscript three"},
            {L"CONIN$", true},
            {L"conout$", true},
            {L"CLOCK$", true},
            {L"COM1.bmp", true, "with an extension"},
            {L"nul.tar.gz", true, "with two extensions"},
            {L"COM1 .bmp", true, "spaces before the extension"},
            {L"AUX  ", true, "trailing spaces"},
            {L"con...", true, "trailing dots"},
            {L"NUL . .", true, "trailing spaces and dots"},
            {L"COM1:", true, "with a colon"},
            {L"CON:stream", true, "as a stream"},
            {L"C:\\skins\\dark\\COM1.bmp", true, "as the file of a full path"},
            {L"C:/skins/nul", true, "with slashes"},
            {L"\\\\server\\share\\skins\\LPT1.ini", true, "on a share"},
            {L"C:\\skins\\aux\\dark.ini", true, "as a folder"},
            {L"C:\\skins\\CONIN$\\", true, "with a trailing separator"},
        });
}

TEST(NamesDevice, DevicePathsAndPipes)
{
    test_support::ExpectEachCase<const wchar_t*, bool>([](const wchar_t* path) { return NamesDevice(path); },
        {
            {L"\\\\.\\pipe\\skin", true, "a local pipe"},
            {L"\\\\.\\COM1", true},
            {L"\\\\.\\C:", true, "a volume"},
            {L"\\\\.\\PhysicalDrive0", true},
            {L"//./pipe/skin", true, "with slashes"},
            {L"\\/.\\pipe\\skin", true, "with mixed separators"},
            {L"\\\\?\\C:\\skins\\dark.ini", true, "the long-path form of a file, in the device namespace too"},
            {L"\\\\?\\GLOBALROOT\\Device\\Null", true},
            {L"\\\\?\\UNC\\server\\share\\dark.ini", true},
            {L"\\??\\C:\\skins\\dark.ini", true, "the object manager's own form"},
            {L"\\\\.", true, "the prefix alone"},
            {L"\\\\?\\", true},
            {L"\\\\server\\pipe\\skin", true, "a server's pipes"},
            {L"\\\\localhost\\PIPE\\skin", true, "the local pipes by the server's name"},
            {L"\\\\server\\pipe. \\skin", true, "with trailing dots and spaces"},
            {L"\\\\server\\mailslot\\skin", true, "a server's mailslots"},
        });
}

TEST(NamesDevice, FilesOnDrivesAndSharesPass)
{
    test_support::ExpectEachCase<const wchar_t*, bool>([](const wchar_t* path) { return NamesDevice(path); },
        {
            {L"C:\\skins\\dark\\dark.ini", false},
            {L"D:/mine/my.ini", false},
            {L"\\\\server\\share\\skins\\dark.ini", false, "a share"},
            {L"\\\\server\\pipes\\dark.ini", false, "a share that is not the pipes"},
            {L"\\\\server\\share\\pipe\\dark.ini", false, "a folder named pipe on a share"},
            {L"dark.ini", false},
            {L"COM10", false, "no port beyond 9"},
            {L"LPT", false},
            {L"COM\u2074", false, "no superscript four"},
            {L"CONSOLE.ini", false},
            {L"icon.bmp", false},
            {L"nul-paper.bmp", false, "a device name inside a longer name"},
            {L"my con.bmp", false},
            {L"..\\skins\\.\\a.ini", false},
            {L"\\\\..\\share", false, "two dots where a server stands"},
            {L"", false},
            {nullptr, false},
        });
}

}  // namespace
