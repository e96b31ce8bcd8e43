// ThreadSanitizer build only, and compiled without its instrumentation: free
// is called before ThreadSanitizer has set up the calling thread.
//
// The last reference to shared data. Implicitly shared data (QString,
// containers) keeps its reference count in the first word of its block. A
// thread dropping its reference in the program's inline code is seen as an
// atomic write there; when QtCore drops the last one on another thread, its
// acquiring decrement and the free both run inside QtCore, and only the free
// is seen. A block that QtCore frees therefore acquires on its own address
// first; the program's own frees are left as they are. Without this the free
// was reported against the other thread's decrement, and once that thread's
// history had been overwritten (a busy machine) the decrement's stack was
// lost and the report could not be decided (tsan.supp).
#include <cstdint>
#include <cstring>
#include <link.h>
#include <sanitizer/tsan_interface.h>

extern "C" void __interceptor_free(void *block); // ThreadSanitizer's own free

namespace {

std::uintptr_t qtCoreBegin = 0;
std::uintptr_t qtCoreEnd = 0;

int findQtCore(dl_phdr_info *info, size_t, void *)
{
    if (!info->dlpi_name || !std::strstr(info->dlpi_name, "libQt5Core.so"))
        return 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr) &segment = info->dlpi_phdr[i];
        if (segment.p_type == PT_LOAD && (segment.p_flags & PF_X)) {
            qtCoreBegin = info->dlpi_addr + segment.p_vaddr;
            qtCoreEnd = qtCoreBegin + segment.p_memsz;
            return 1;
        }
    }
    return 0;
}

} // namespace

// Called once at start-up, after ThreadSanitizer has started (tsan_qt_handover.cpp).
void tsanWatchQtCoreFrees()
{
    dl_iterate_phdr(findQtCore, nullptr);
}

// Whether a return address lies in QtCore's code; false before the call above.
bool tsanInQtCore(std::uintptr_t address)
{
    return address >= qtCoreBegin && address < qtCoreEnd;
}

extern "C" __attribute__((visibility("default"))) void free(void *block)
{
    const auto caller = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    if (block && tsanInQtCore(caller))
        __tsan_acquire(block);
    __interceptor_free(block);
}
