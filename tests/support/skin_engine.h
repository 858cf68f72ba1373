// A skin engine for the tests without registering one: the recording engine
// (tests/programs/skin_recorder.cpp) or any other DLL that serves the engine's CLSID, and
// common.xml beside the test executable.
#pragma once

#include <windows.h>

#include <string>
#include <vector>


namespace test_support {

// The recording engine, built beside the test executables that use it
// (by its wide path: the folder may hold characters the code page lacks).
std::wstring RecordingSkinEnginePath();

// While it lives, CoCreateInstance of the skin engine's CLSID on this thread
// loads `dllPath`: an activation context from a small manifest naming the
// DLL is active. Ends in the reverse order of creation.
class ScopedSkinEngine {
public:
    explicit ScopedSkinEngine(const std::wstring& dllPath);
    // A path in the ANSI code page.
    explicit ScopedSkinEngine(const std::string& dllPath);
    ~ScopedSkinEngine();
    ScopedSkinEngine(const ScopedSkinEngine&) = delete;
    ScopedSkinEngine& operator=(const ScopedSkinEngine&) = delete;

    bool IsActive() const { return cookie_ != 0; }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
};

// The recording engine's log and switches, through its exported functions.
// Loading it keeps it in the process, so the log outlives the engines.
class SkinRecorder {
public:
    // Loads the recording engine and forgets what it recorded before.
    SkinRecorder();
    ~SkinRecorder();
    SkinRecorder(const SkinRecorder&) = delete;
    SkinRecorder& operator=(const SkinRecorder&) = delete;

    bool IsLoaded() const { return module_ != nullptr; }

    // One line a call, e.g. "create 1", "1 AttachWindow 65676 \"_Caption\" 0,0",
    // "1 GetAutomationObject", "1 ApplyGamma 1.5", "1 automation released",
    // "1 LoadSkin \"C:\\skins\" \"a.uis\"", "1 released". LoadSkin's texts
    // in UTF-8 (Utf8), the window's in the ANSI code page.
    std::vector<std::string> Calls() const;
    // The calls that begin with `prefix` (e.g. "1 AttachWindow").
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
    int LiveEngines() const;

    // The operation ("AttachWindow", "GetAutomationObject", "ApplyGamma",
    // "LoadSkin") returns E_FAIL from now on.
    void Fail(const char* operation) const;
    void ReturnNullAutomation() const;

    // The handle as the log writes it.
    static std::string HandleText(HWND window);

private:
    HMODULE module_ = nullptr;
};

// The text in UTF-8, as the recording engine logs LoadSkin's paths.
std::string Utf8(const std::wstring& text);

// A folder of the given name, which may hold characters that the ANSI code
// page lacks, inside the folder `parent`; its files are written by their
// wide paths, and the files and the folder removed when the object goes.
class WideNamedFolder {
public:
    WideNamedFolder(const std::wstring& parent, const std::wstring& name);
    ~WideNamedFolder();
    WideNamedFolder(const WideNamedFolder&) = delete;
    WideNamedFolder& operator=(const WideNamedFolder&) = delete;

    // Empty when the folder could not be made.
    const std::wstring& Path() const { return path_; }
    // Writes `bytes` as the file `name`; its full path, empty on failure.
    std::wstring Write(const std::wstring& name, const std::string& bytes);
    // Copies the file `source` in as `name`; its full path, empty on failure.
    std::wstring CopyIn(const std::wstring& source, const std::wstring& name);
    // The full path of the file `name`, removed with the folder whoever
    // writes it.
    std::wstring Track(const std::wstring& name);

private:
    std::wstring path_;
    std::vector<std::wstring> files_;
};

// The text of a common.xml with one activateskin and one SkinGamma element.
std::string CommonXmlText(const std::string& rootpath, const std::string& uis, const std::string& gamma);

// common.xml beside the test executable, where the skinned dialogs read it:
// written with `content`, or removed when `content` is null; removed again
// when the object goes.
class ScopedCommonXml {
public:
    explicit ScopedCommonXml(const char* content);
    ~ScopedCommonXml();
    ScopedCommonXml(const ScopedCommonXml&) = delete;
    ScopedCommonXml& operator=(const ScopedCommonXml&) = delete;

    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

}  // namespace test_support
