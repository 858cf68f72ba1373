#include "module.h"

namespace skin {
namespace {

HINSTANCE g_instance = nullptr;
LONG g_objects = 0;
LONG g_locks = 0;

}  // namespace

void SetModuleInstance(HINSTANCE instance) { g_instance = instance; }
HINSTANCE ModuleInstance() { return g_instance; }

void ObjectCreated() { ::InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { ::InterlockedDecrement(&g_objects); }

void LockModule(bool lock)
{
    if (lock) {
        ::InterlockedIncrement(&g_locks);
    } else {
        ::InterlockedDecrement(&g_locks);
    }
}

bool CanUnloadModule() { return g_objects == 0 && g_locks == 0; }

}  // namespace skin
