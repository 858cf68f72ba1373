#include "engine.h"

#include <new>
#include <utility>

#include "gamma.h"
#include "gamma_automation.h"
#include "module.h"

namespace skin {

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

// The last Release may come on any thread; the window's subclass is let go
// of on the window's own.
Engine::~Engine()
{
    SkinnedWindow::Discard(std::move(window_));
}

// A skin file that cannot be read loads no skin: the window shows the
// platform's look, and S_FALSE says so. A relative path is refused
// (E_INVALIDARG): it would depend on the current folder, and the INI calls
// would look for a bare name in the Windows folder.
HRESULT STDMETHODCALLTYPE Engine::LoadSkin(BSTR rootPath, BSTR skinFile)
{
    const WideString path = SkinFilePath(rootPath, skinFile);
    skin_.reset();
    darkSkin_.reset();
    if (auto looks = path.empty() ? std::nullopt : ReadSkinLooks(path.c_str())) {
        skin_ = std::move(looks->light);
        darkSkin_ = std::move(looks->dark);
    }
    Show();
    if (path.empty() && skinFile != nullptr && skinFile[0] != L'\0') {
        return E_INVALIDARG;
    }
    return skin_ ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE Engine::AttachWindow(HWND window)
{
    // The window must belong to this thread: a subclass cannot cross threads.
    if (!::IsWindow(window) || ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId()) {
        return E_INVALIDARG;
    }
    SkinnedWindow::Discard(std::move(window_));
    std::unique_ptr<SkinnedWindow> attached(new (std::nothrow) SkinnedWindow(window));
    if (!attached) {
        return E_OUTOFMEMORY;
    }
    if (!attached->IsAttached()) {
        // Another engine skins the window already, or it could not be
        // subclassed: this engine leaves it alone.
        return E_ACCESSDENIED;
    }
    window_ = std::move(attached);
    Show();
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

// Only on the window's thread: the engine's other calls from another thread
// change what is shown next, not the window.
void Engine::Show()
{
    if (window_ && window_->IsAttached() && window_->OnWindowThread()) {
        window_->Show(skin_, darkSkin_, gamma_);
    }
}

}  // namespace skin
