#include "ui/system_library.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

std::wstring SystemFolder()
{
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, length);
}

std::wstring LowerCase(std::wstring text)
{
    ::CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

TEST(SystemLibrary, LoadsFromTheSystemFolder)
{
    const ui::UniqueModule module = ui::LoadSystemLibrary("version.dll");
    ASSERT_TRUE(module);
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(module.Get(), path, MAX_PATH);
    EXPECT_EQ(LowerCase(path), LowerCase(SystemFolder() + L"\\version.dll"));
    EXPECT_NE(ui::SystemFunction<decltype(&::VerQueryValueA)>(module.Get(), "VerQueryValueA"), nullptr);
    EXPECT_EQ(ui::SystemFunction<decltype(&::VerQueryValueA)>(module.Get(), "NoSuchFunction"), nullptr);
}

// A DLL planted beside the test executable, as one may lie beside the
// program: a load that searched the program's folder would find it. (Not the
// skin engine: the manifest names that one, and a manifest's files are found
// beside the executable whatever the search.)
TEST(SystemLibrary, NeverLoadsFromTheProgramsFolder)
{
    char exe[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string folder(exe, std::string(exe).find_last_of('\\') + 1);
    const std::string name = "tolvrin_planted_" + std::to_string(::GetCurrentProcessId()) + ".dll";
    const std::string planted = folder + name;
    ASSERT_TRUE(::CopyFileA((folder + "..\\planting\\planted_library.dll").c_str(), planted.c_str(), FALSE));

    EXPECT_FALSE(ui::LoadSystemLibrary(name.c_str()));
    EXPECT_EQ(::GetFileAttributesA((planted + ".loaded").c_str()), INVALID_FILE_ATTRIBUTES);

    ::DeleteFileA((planted + ".loaded").c_str());
    ::DeleteFileA(planted.c_str());
}

TEST(SystemLibrary, MissingLibraryGivesAnEmptyOwner)
{
    const ui::UniqueModule module = ui::LoadSystemLibrary("tolvrin-no-such-library.dll");
    EXPECT_FALSE(module);
    EXPECT_EQ(ui::SystemFunction<FARPROC>(module.Get(), "Anything"), nullptr);
}

}  // namespace
