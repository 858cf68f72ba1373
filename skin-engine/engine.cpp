#include "engine.h"

#include <new>
#include <string>

#include "gamma.h"
#include "gamma_automation.h"
#include "module.h"

namespace skin {
namespace {

// BSTRs reach the engine as UTF-16; paths are read with the ANSI calls, as
// everywhere in the program. A null BSTR is the empty text.
std::string AnsiText(BSTR text)
{
    if (text == nullptr || text[0] == L'\0') {
        return {};
    }
    const int size = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string ansi(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), size, nullptr, nullptr);
    ansi.resize(static_cast<size_t>(size) - 1);
    return ansi;
}

}  // namespace

HRESULT Engine::Create(REFIID iid, void** object)
{
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    auto* engine = new (std::nothrow) Engine();
    if (engine == nullptr) {
        return E_OUTOFMEMORY;
    }
    const HRESULT result = engine->QueryInterface(iid, object);
    engine->Release();
    return result;
}

Engine::Engine() = default;

Engine::~Engine()
{
    window_.reset();
}

// A skin file that cannot be read loads no skin: the window shows the
// platform's look, and S_FALSE says so.
HRESULT STDMETHODCALLTYPE Engine::LoadSkin(BSTR rootPath, BSTR skinFile)
{
    try {
        skin_ = ReadSkinFile(SkinFilePath(AnsiText(rootPath), AnsiText(skinFile)));
        Show();
    } catch (const std::bad_alloc&) {
        skin_.reset();
        Show();
        return E_OUTOFMEMORY;
    }
    return skin_ ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE Engine::AttachWindow(HWND window)
{
    // The window must belong to this thread: a subclass cannot cross threads.
    if (!::IsWindow(window) || ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId()) {
        return E_INVALIDARG;
    }
    window_.reset();
    try {
        auto attached = std::make_unique<SkinnedWindow>(window);
        if (!attached->IsAttached()) {
            return E_FAIL;
        }
        window_ = std::move(attached);
        Show();
    } catch (const std::bad_alloc&) {
        window_.reset();
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE Engine::GetAutomationObject(IDispatch** automation)
{
    if (automation == nullptr) {
        return E_POINTER;
    }
    *automation = new (std::nothrow) GammaAutomation(*this);
    return *automation != nullptr ? S_OK : E_OUTOFMEMORY;
}

void Engine::ApplyGamma(float gamma)
{
    gamma_ = NormalizeGamma(gamma);
    Show();
}

void Engine::Show()
{
    if (window_ && window_->IsAttached()) {
        window_->Show(skin_, gamma_);
    }
}

}  // namespace skin
