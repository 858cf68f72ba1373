#include "gamma_automation.h"

#include "engine.h"
#include "module.h"

namespace skin {

GammaAutomation::GammaAutomation(Engine& engine) : engine_(engine)
{
    engine_.AddRef();
}

GammaAutomation::~GammaAutomation()
{
    engine_.Release();
}

HRESULT STDMETHODCALLTYPE GammaAutomation::GetTypeInfoCount(UINT* count)
{
    if (count == nullptr) {
        return E_INVALIDARG;
    }
    *count = 0;  // no type library: callers invoke by DISPID
    return S_OK;
}

HRESULT STDMETHODCALLTYPE GammaAutomation::GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo)
{
    if (typeInfo != nullptr) {
        *typeInfo = nullptr;
    }
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE GammaAutomation::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                                         DISPID* ids)
{
    if (!IsEqualIID(iid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    if (names == nullptr || ids == nullptr || count == 0) {
        return E_INVALIDARG;
    }
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
        // Only the method's own name is known; ApplyGamma has no named
        // arguments.
        const bool known = i == 0 && names[0] != nullptr && ::lstrcmpiW(names[0], L"ApplyGamma") == 0;
        ids[i] = known ? kApplyGammaDispId : DISPID_UNKNOWN;
        if (!known) {
            result = DISP_E_UNKNOWNNAME;
        }
    }
    return result;
}

HRESULT STDMETHODCALLTYPE GammaAutomation::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* parameters,
                                                  VARIANT* result, EXCEPINFO*, UINT* argumentError)
{
    if (!IsEqualIID(iid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    if (id != kApplyGammaDispId || (flags & DISPATCH_METHOD) == 0) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (parameters == nullptr) {
        return E_INVALIDARG;
    }
    if (parameters->cNamedArgs != 0) {
        return DISP_E_NONAMEDARGS;
    }
    if (parameters->cArgs != 1 || parameters->rgvarg == nullptr) {
        return DISP_E_BADPARAMCOUNT;
    }
    const VARIANT& argument = parameters->rgvarg[0];
    if (argument.vt != VT_R4) {
        if (argumentError != nullptr) {
            *argumentError = 0;
        }
        return DISP_E_TYPEMISMATCH;
    }
    engine_.ApplyGamma(argument.fltVal);
    if (result != nullptr) {
        ::VariantInit(result);
    }
    return S_OK;
}

}  // namespace skin
