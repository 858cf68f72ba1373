// The class object DllGetClassObject hands out: it makes engines.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include "com_object.h"

namespace skin {

class ClassFactory final : public ComObject<ClassFactory, IClassFactory, IID_IClassFactory> {
public:
    ClassFactory();

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    friend skin::ComObject<ClassFactory, IClassFactory, IID_IClassFactory>;
    ~ClassFactory();

};

}  // namespace skin
