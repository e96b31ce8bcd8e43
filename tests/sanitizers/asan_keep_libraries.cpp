// AddressSanitizer build only: a library, once loaded, stays loaded until the
// process ends. LeakSanitizer looks for leaks after everything else at exit.
// A library unloaded before that takes its globals with it, and what it still
// held through them turns into "leaks" whose allocation stacks end in frames
// of "<unknown module>" that no rule can read: Qt unloads its plugins at exit,
// and Mesa's GLX unloads its driver (with LLVM) when the X connection closes.
// Which of them arise depends on what the library had done before the process
// ended. Kept loaded, that memory stays reachable, and the frames of every
// library stay readable in the reports that remain.
//
// The definition in the program's binary takes the place of the C library's
// for every caller: Qt, Mesa and Python call dlclose through the dynamic
// linker, which finds the program's own symbol first.
#include <dlfcn.h>

extern "C" __attribute__((visibility("default"))) int dlclose(void *)
{
    return 0;
}
