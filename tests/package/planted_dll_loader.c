/* The control of the planting test: a program that loads userenv.dll by its
   bare name, from the standard search order, finds the planted copy. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    return LoadLibraryA("userenv.dll") != NULL;
}
