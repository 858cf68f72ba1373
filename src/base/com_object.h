// The IUnknown part of a COM object with one interface besides IUnknown: a
// reference count that starts at one and deletion at the last Release. The
// skin engine's objects count themselves for DllCanUnloadNow through
// `Census`; the tests' recording engine counts nothing.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace base {

struct NoCensus {
    static void Created() {}
    static void Destroyed() {}
};

template <typename Derived, typename Interface, const IID& kInterfaceId, typename Census = NoCensus>
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

    // A new object of the derived class, handed out as `iid`: the one
    // reference it starts with goes to the caller, or the object goes when
    // it does not serve `iid`.
    template <typename... Args>
    static HRESULT Create(REFIID iid, void** object, Args&&... args)
    {
        if (object == nullptr) {
            return E_POINTER;
        }
        Derived* created = new Derived(std::forward<Args>(args)...);
        const HRESULT result = created->QueryInterface(iid, object);
        created->Release();
        return result;
    }

protected:
    ComObject() { Census::Created(); }
    // Not virtual: only Release deletes, and it deletes the derived object.
    ~ComObject() { Census::Destroyed(); }

private:
    LONG references_ = 1;
};

}  // namespace base
