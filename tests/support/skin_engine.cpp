#include "support/skin_engine.h"

#include "text/module_path.h"
#include "text/wide_text.h"
#include "base/unique_handle.h"

namespace test_support {
namespace {

constexpr char kManifestHead[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
    "  <assemblyIdentity type=\"win32\" name=\"Tolvrin.Tests.SkinEngine\" version=\"1.0.0.0\"/>\r\n";
constexpr char kManifestTail[] =
    "    <comClass clsid=\"{FCB8E994-A09D-4521-838F-5A20FEF4018D}\" threadingModel=\"Apartment\"/>\r\n"
    "  </file>\r\n"
    "</assembly>\r\n";

template <typename Function>
Function Export(HMODULE module, const char* name)
{
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

bool WriteWholeFileW(const std::wstring& path, const std::string& bytes)
{
    const base::UniqueKernelHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

}  // namespace

std::wstring RecordingSkinEnginePath()
{
    return ModuleFolder(nullptr) + L"\\skin_recorder.dll";
}

ScopedSkinEngine::ScopedSkinEngine(const std::string& dllPath) : ScopedSkinEngine(ToWide(dllPath)) {}

ScopedSkinEngine::ScopedSkinEngine(const std::wstring& dllPath)
{
    const std::size_t slash = dllPath.find_last_of(L'\\');
    const std::wstring folder = dllPath.substr(0, slash);
    const std::wstring name = dllPath.substr(slash + 1);
    // Wine looks for the DLL beside the manifest and ignores
    // ACTCTX_FLAG_ASSEMBLY_DIRECTORY_VALID; the manifest is read whole by
    // CreateActCtxW, so it lies there only for that call.
    static int count = 0;
    const std::wstring manifest = folder + L"\\" + name + L"." + std::to_wstring(::GetCurrentProcessId()) + L"." +
                                  std::to_wstring(++count) + L".manifest";
    if (!WriteWholeFileW(manifest, std::string(kManifestHead) + "  <file name=\"" + Utf8(name) + "\">\r\n" +
                                       kManifestTail)) {
        return;
    }
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.lpSource = manifest.c_str();
    context_ = ::CreateActCtxW(&request);
    ::DeleteFileW(manifest.c_str());
    if (context_ != INVALID_HANDLE_VALUE && !::ActivateActCtx(context_, &cookie_)) {
        cookie_ = 0;
    }
}

ScopedSkinEngine::~ScopedSkinEngine()
{
    if (cookie_ != 0) {
        ::DeactivateActCtx(0, cookie_);
    }
    if (context_ != INVALID_HANDLE_VALUE) {
        ::ReleaseActCtx(context_);
    }
}

SkinRecorder::SkinRecorder() : module_(::LoadLibraryW(RecordingSkinEnginePath().c_str()))
{
    if (const auto reset = Export<void (*)()>(module_, "SkinRecorderReset")) {
        reset();
    }
}

SkinRecorder::~SkinRecorder()
{
    if (module_ != nullptr) {
        ::FreeLibrary(module_);
    }
}

std::vector<std::string> SkinRecorder::Calls() const
{
    const auto read = Export<int (*)(char*, int)>(module_, "SkinRecorderLog");
    if (read == nullptr) {
        return {};
    }
    std::string text(static_cast<std::size_t>(read(nullptr, 0)), '\0');
    read(text.data(), static_cast<int>(text.size()));
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> SkinRecorder::CallsStartingWith(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& call : Calls()) {
        if (call.compare(0, prefix.size(), prefix) == 0) {
            found.push_back(call);
        }
    }
    return found;
}

int SkinRecorder::LiveEngines() const
{
    const auto count = Export<int (*)()>(module_, "SkinRecorderLiveEngines");
    return count != nullptr ? count() : -1;
}

void SkinRecorder::Fail(const char* operation) const
{
    if (const auto fail = Export<void (*)(const char*)>(module_, "SkinRecorderFail")) {
        fail(operation);
    }
}

void SkinRecorder::ReturnNullAutomation() const
{
    if (const auto returnNull = Export<void (*)()>(module_, "SkinRecorderReturnNullAutomation")) {
        returnNull();
    }
}

std::string SkinRecorder::HandleText(HWND window)
{
    return std::to_string(reinterpret_cast<UINT_PTR>(window));
}

std::string Utf8(const std::wstring& text)
{
    return ToCodePage(text, CP_UTF8);
}

WideNamedFolder::WideNamedFolder(const std::wstring& parent, const std::wstring& name)
{
    const std::wstring path = parent + L"\\" + name;
    if (::CreateDirectoryW(path.c_str(), nullptr)) {
        path_ = path;
    }
}

WideNamedFolder::~WideNamedFolder()
{
    for (const std::wstring& file : files_) {
        ::DeleteFileW(file.c_str());
    }
    if (!path_.empty()) {
        ::RemoveDirectoryW(path_.c_str());
    }
}

std::wstring WideNamedFolder::Write(const std::wstring& name, const std::string& bytes)
{
    if (path_.empty()) {
        return {};
    }
    const std::wstring path = Track(name);
    return WriteWholeFileW(path, bytes) ? path : std::wstring();
}

std::wstring WideNamedFolder::CopyIn(const std::wstring& source, const std::wstring& name)
{
    if (path_.empty()) {
        return {};
    }
    const std::wstring path = Track(name);
    return ::CopyFileW(source.c_str(), path.c_str(), FALSE) ? path : std::wstring();
}

std::wstring WideNamedFolder::Track(const std::wstring& name)
{
    files_.push_back(path_ + L"\\" + name);
    return files_.back();
}

std::string CommonXmlText(const std::string& rootpath, const std::string& uis, const std::string& gamma)
{
    return "<?xml version=\"1.0\"?>\r\n"
           "<config>\r\n"
           "  <activateskin rootpath=\"" + rootpath + "\" uis=\"" + uis + "\"/>\r\n"
           "  <SkinGamma val=\"" + gamma + "\"/>\r\n"
           "</config>\r\n";
}

ScopedCommonXml::ScopedCommonXml(const char* content) : path_(ModuleFolder(nullptr) + L"\\common.xml")
{
    ::DeleteFileW(path_.c_str());
    if (content != nullptr) {
        WriteWholeFileW(path_, content);
    }
}

ScopedCommonXml::~ScopedCommonXml()
{
    ::DeleteFileW(path_.c_str());
}

}  // namespace test_support
