// A skin engine for the tests: it implements the engine's interface, writes
// every call it receives to a log and changes no window. Exported functions
// read the log and make operations fail. Found through an activation context
// (tests/support/skin_engine.h), never registered.
#include <windows.h>
#include <oaidl.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "base/skin_engine_contract.h"
#include "base/com_object.h"
#include "text/wide_text.h"

namespace {

struct RecorderState {
    std::vector<std::string> log;
    std::set<std::string> failing;
    bool nullAutomation = false;
    int created = 0;
    LONG liveEngines = 0;
};

RecorderState& State()
{
    static RecorderState state;
    return state;
}

void Record(int engine, const std::string& line)
{
    State().log.push_back(std::to_string(engine) + " " + line);
}

HRESULT Outcome(const char* operation)
{
    return State().failing.count(operation) != 0 ? E_FAIL : S_OK;
}

// UTF-8, so that a path the ANSI code page cannot hold is logged whole.
std::string Quoted(BSTR text)
{
    return "\"" + ToCodePage(std::wstring_view(text, ::SysStringLen(text)), CP_UTF8) + "\"";
}

// The window as the engine meets it: handle, caption, the text of its Cancel
// button and its top-left corner, so that a test sees whether the dialog had
// already been moved or translated.
std::string Describe(HWND window)
{
    char caption[256] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    char cancel[256] = {};
    if (const HWND button = ::GetDlgItem(window, IDCANCEL)) {
        ::GetWindowTextA(button, cancel, sizeof cancel);
    }
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return std::to_string(reinterpret_cast<UINT_PTR>(window)) + " \"" + caption + "\" \"" + cancel + "\" " +
           std::to_string(rect.left) + "," + std::to_string(rect.top);
}

class Automation final : public base::ComObject<Automation, IDispatch, IID_IDispatch> {
public:
    explicit Automation(int engine) : engine_(engine) {}

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT*,
                                     EXCEPINFO*, UINT*) override
    {
        const UINT count = parameters != nullptr ? parameters->cArgs : 0;
        const UINT named = parameters != nullptr ? parameters->cNamedArgs : 0;
        const VARTYPE type = count > 0 ? parameters->rgvarg[0].vt : static_cast<VARTYPE>(VT_EMPTY);
        if (id == kApplyGammaDispId && flags == DISPATCH_METHOD && count == 1 && named == 0 && type == VT_R4) {
            char value[32] = {};
            std::snprintf(value, sizeof value, "%.9g", static_cast<double>(parameters->rgvarg[0].fltVal));
            Record(engine_, std::string("ApplyGamma ") + value);
            return Outcome("ApplyGamma");
        }
        Record(engine_, "Invoke id=" + std::to_string(id) + " flags=" + std::to_string(flags) +
                            " args=" + std::to_string(count) + " named=" + std::to_string(named) +
                            " vt=" + std::to_string(type));
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    friend base::ComObject<Automation, IDispatch, IID_IDispatch>;
    ~Automation() { Record(engine_, "automation released"); }

    const int engine_;
};

class RecordingEngine final : public base::ComObject<RecordingEngine, SkinEngine, kSkinEngineIid> {
public:
    RecordingEngine() : number_(++State().created)
    {
        ++State().liveEngines;
        State().log.push_back("create " + std::to_string(number_));
    }

    HRESULT STDMETHODCALLTYPE LoadSkin(BSTR rootPath, BSTR skinFile) override
    {
        Record(number_, "LoadSkin " + Quoted(rootPath) + " " + Quoted(skinFile));
        return Outcome("LoadSkin");
    }
    HRESULT STDMETHODCALLTYPE AttachWindow(HWND window) override
    {
        Record(number_, "AttachWindow " + Describe(window));
        return Outcome("AttachWindow");
    }
    HRESULT STDMETHODCALLTYPE GetAutomationObject(IDispatch** automation) override
    {
        Record(number_, std::string("GetAutomationObject") + (*automation == nullptr ? "" : " (not null before)"));
        if (!State().nullAutomation) {
            Automation::Create(IID_IDispatch, reinterpret_cast<void**>(automation), number_);
        }
        return Outcome("GetAutomationObject");
    }

private:
    friend base::ComObject<RecordingEngine, SkinEngine, kSkinEngineIid>;
    ~RecordingEngine()
    {
        Record(number_, "released");
        --State().liveEngines;
    }

    const int number_;
};

class Factory final : public base::ComObject<Factory, IClassFactory, IID_IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        return RecordingEngine::Create(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    friend base::ComObject<Factory, IClassFactory, IID_IClassFactory>;
    ~Factory() = default;
};

}  // namespace

extern "C" {

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    if (!IsEqualCLSID(clsid, kSkinEngineClsid)) {
        *object = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return Factory::Create(iid, object);
}

// Never unloaded: the log must outlive the engines for the test to read it.
HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return S_FALSE;
}

// Forgets the log and the failures; engines are numbered from 1 again.
void SkinRecorderReset()
{
    RecorderState& state = State();
    state.log.clear();
    state.failing.clear();
    state.nullAutomation = false;
    state.created = 0;
}

// "AttachWindow", "GetAutomationObject", "ApplyGamma" or "LoadSkin" returns
// E_FAIL from now on (after it is recorded).
void SkinRecorderFail(const char* operation)
{
    State().failing.insert(operation);
}

// GetAutomationObject succeeds with a null object from now on.
void SkinRecorderReturnNullAutomation()
{
    State().nullAutomation = true;
}

// The log, one call a line ending in "\n", into `buffer` (truncated to
// `size`, terminated); returns the size the whole log needs.
int SkinRecorderLog(char* buffer, int size)
{
    std::string text;
    for (const std::string& line : State().log) {
        text += line + "\n";
    }
    if (buffer != nullptr && size > 0) {
        const std::size_t copied = text.size() < static_cast<std::size_t>(size) ? text.size() : size - 1;
        std::memcpy(buffer, text.data(), copied);
        buffer[copied] = '\0';
    }
    return static_cast<int>(text.size() + 1);
}

// Engines not yet released.
int SkinRecorderLiveEngines()
{
    return static_cast<int>(State().liveEngines);
}

}  // extern "C"
