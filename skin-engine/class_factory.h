// The class object DllGetClassObject hands out: it makes engines.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include "base/com_object.h"
#include "module.h"

namespace skin {

class ClassFactory final : public base::ComObject<ClassFactory, IClassFactory, IID_IClassFactory, ModuleCensus> {
public:
    ClassFactory();

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    friend base::ComObject<ClassFactory, IClassFactory, IID_IClassFactory, ModuleCensus>;
    ~ClassFactory();

};

}  // namespace skin
