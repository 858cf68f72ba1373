// The class object DllGetClassObject hands out: it makes engines.
#pragma once

#include <windows.h>
#include <unknwn.h>

namespace skin {

class ClassFactory final : public IClassFactory {
public:
    ClassFactory();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    ~ClassFactory();

    LONG references_ = 1;
};

}  // namespace skin
