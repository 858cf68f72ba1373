// The IUnknown part every object of the engine shares: one interface besides
// IUnknown, a reference count that starts at one, deletion at the last
// Release, and the module's count of live objects for DllCanUnloadNow.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include "module.h"

namespace skin {

template <typename Derived, typename Interface, const IID& kInterfaceId>
class ComObject : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, kInterfaceId)) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0) {
            delete static_cast<Derived*>(this);
        }
        return static_cast<ULONG>(left);
    }

protected:
    ComObject() { ObjectCreated(); }
    // Not virtual: only Release deletes, and it deletes the derived object.
    ~ComObject() { ObjectDestroyed(); }

private:
    LONG references_ = 1;
};

}  // namespace skin
