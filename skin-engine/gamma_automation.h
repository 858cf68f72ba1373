// The engine's automation object: an IDispatch with one method, ApplyGamma
// (DISPID 51, one VT_R4 argument). It keeps its engine alive while it lives.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "base/com_object.h"
#include "module.h"

namespace skin {

class Engine;

class GammaAutomation final : public base::ComObject<GammaAutomation, IDispatch, IID_IDispatch, ModuleCensus> {
public:
    explicit GammaAutomation(Engine& engine);

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

private:
    friend base::ComObject<GammaAutomation, IDispatch, IID_IDispatch, ModuleCensus>;
    ~GammaAutomation();

    Engine& engine_;
};

}  // namespace skin
