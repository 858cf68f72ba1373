/* Loads the DLL named on its command line by its bare name, the way a program
 * that trusts the search order does: the planting tests' proof that a DLL
 * planted beside a program is found under the test's Wine settings.
 *   planting_probe.exe NAME.dll */
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        return 2;
    }
    HMODULE module = LoadLibraryA(argv[1]);
    if (module != NULL) {
        FreeLibrary(module);
    }
    return 0;
}
