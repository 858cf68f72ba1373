// A program whose folder's name the ANSI code page cannot hold (a Western
// system, a folder named in Cyrillic and Greek, where the narrow calls give
// "?" for each letter): its common.xml is found, and the skin's paths reach
// the engine whole. The test runs a copy of this executable from such a
// folder; ctest runs it once more under LC_ALL=en_US.UTF-8 (code page 1252).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "skin/skin_activation.h"
#include "support/skin_engine.h"
#include "support/skin_engine_client.h"
#include "support/temp_folder.h"
#include "text/module_path.h"
#include "text/wide_text.h"
#include "base/unique_handle.h"

namespace {

constexpr wchar_t kFolderName[] = L"Тест Ελλάδα";
constexpr wchar_t kPassedMarker[] = L"passed.txt";
constexpr DWORD kCopyTimeoutMs = 60000;

// The exit code of `exe` run to its end; ~0 when it did not start or end.
DWORD RunToEnd(const std::wstring& exe, const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started)) {
        return ~0u;
    }
    const base::UniqueKernelHandle process(started.hProcess);
    const base::UniqueKernelHandle thread(started.hThread);
    DWORD exitCode = ~0u;
    if (::WaitForSingleObject(process.Get(), kCopyTimeoutMs) == WAIT_OBJECT_0) {
        ::GetExitCodeProcess(process.Get(), &exitCode);
    } else {
        ::TerminateProcess(process.Get(), ~0u);
    }
    return exitCode;
}

// Run only by the test below, inside the copy; it leaves a marker when it
// passed, so that a copy that ran nothing does not count.
TEST(ProgramFolderOutsideCodePage, DISABLED_InsideTheCopy)
{
    const std::wstring folder = ModuleFolder(nullptr);
    ASSERT_NE(folder.find(kFolderName), std::wstring::npos);
    char expected[8] = {};
    if (::GetEnvironmentVariableA("TOLVRIN_EXPECT_CODE_PAGE", expected, sizeof expected) > 0) {
        ASSERT_EQ(std::to_string(::GetACP()), expected) << "is the locale generated?";
        char narrow[MAX_PATH * 2] = {};
        ::GetModuleFileNameA(nullptr, narrow, sizeof narrow);
        EXPECT_NE(std::string(narrow).find('?'), std::string::npos) << "the narrow name is whole";
    }
    const test_support::ScopedComApartment com;
    const test_support::SkinRecorder recorder;
    ASSERT_TRUE(recorder.IsLoaded());
    const test_support::ScopedSkinEngine engine(test_support::RecordingSkinEnginePath());
    ASSERT_TRUE(engine.IsActive());
    const test_support::ScopedCommonXml config(
        test_support::CommonXmlText("%ModulePath%\\skins", "blue.ini", "0.5").c_str());
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                          nullptr);
    ASSERT_NE(window, nullptr);
    {
        SkinActivation skin;
        skin.Activate(window);
    }
    ::DestroyWindow(window);

    const std::string skins = test_support::Utf8(folder) + "\\skins";
    EXPECT_EQ(recorder.CallsStartingWith("1 ApplyGamma"), std::vector<std::string>{"1 ApplyGamma 0.5"});
    EXPECT_EQ(recorder.CallsStartingWith("1 LoadSkin"),
              std::vector<std::string>{"1 LoadSkin \"" + skins + "\" \"" + skins + "\\blue.ini\""});
    if (!::testing::Test::HasFailure()) {
        const base::UniqueKernelHandle marker(::CreateFileW((folder + L"\\" + kPassedMarker).c_str(), GENERIC_WRITE,
                                                          0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                                          nullptr));
        EXPECT_TRUE(marker);
    }
}

TEST(ProgramFolderOutsideCodePage, CommonXmlIsFoundAndItsPathsReachTheEngineWhole)
{
    const test_support::TempFolder temp;
    test_support::WideNamedFolder folder(ToWide(temp.Path()), kFolderName);
    ASSERT_FALSE(folder.Path().empty());
    const std::wstring here = ModuleFolder(nullptr);
    const std::wstring exe = folder.CopyIn(ModuleFilePath(nullptr), L"tolvrin_skin_contract_tests.exe");
    ASSERT_FALSE(exe.empty());
    ASSERT_FALSE(folder.CopyIn(here + L"\\skin_recorder.dll", L"skin_recorder.dll").empty());
    const std::wstring marker = folder.Track(kPassedMarker);

    EXPECT_EQ(RunToEnd(exe, L"--gtest_also_run_disabled_tests "
                            L"--gtest_filter=ProgramFolderOutsideCodePage.DISABLED_InsideTheCopy"),
              0u);
    EXPECT_NE(::GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES) << "the copy ran no test";
}

}  // namespace
