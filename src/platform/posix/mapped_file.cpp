#include "platform/posix/mapped_file.h"

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>

namespace orbigolf::platform {

namespace {

// The one guarded mapping: its range while use() runs, and whether a page of it was lost.
std::atomic<uintptr_t> gStart{0};
std::atomic<uintptr_t> gEnd{0};
std::atomic<bool> gLost{false};
std::atomic<bool> gBusy{false};
struct sigaction gPrevious {};

// A bus error inside the guarded mapping puts a page of zeros where the file's page was and
// lets the read go on; any other bus error goes to the handler that was there before.
void onBusError(int signal, siginfo_t* info, void* context) {
    const auto address = reinterpret_cast<uintptr_t>(info->si_addr);
    const uintptr_t start = gStart.load();
    if (start != 0 && address >= start && address < gEnd.load()) {
        const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
        void* at = reinterpret_cast<void*>(address - address % page);
        if (mmap(at, page, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) !=
            MAP_FAILED) {
            gLost.store(true);
            return;
        }
    }
    if (gPrevious.sa_flags & SA_SIGINFO) {
        gPrevious.sa_sigaction(signal, info, context);
    } else if (gPrevious.sa_handler != SIG_DFL && gPrevious.sa_handler != SIG_IGN) {
        gPrevious.sa_handler(signal);
    } else {
        sigaction(signal, &gPrevious, nullptr);  // the default: the program stops here
    }
}

bool installHandler() {
    static bool installed = [] {
        struct sigaction action {};
        action.sa_sigaction = &onBusError;
        action.sa_flags = SA_SIGINFO;
        sigemptyset(&action.sa_mask);
        return sigaction(SIGBUS, &action, &gPrevious) == 0;
    }();
    return installed;
}

}  // namespace

bool withMappedFile(int fd, size_t size, const std::function<void(std::span<const uint8_t>)>& use) {
    if (size == 0 || !installHandler()) return false;
    bool expected = false;
    if (!gBusy.compare_exchange_strong(expected, true)) return false;
    struct Release {
        ~Release() { gBusy.store(false); }
    } release;

    void* bytes = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    if (bytes == MAP_FAILED) return false;
    struct Unmap {
        void* bytes;
        size_t size;
        ~Unmap() {
            gStart.store(0);
            gEnd.store(0);
            munmap(bytes, size);
        }
    } unmap{bytes, size};
    gLost.store(false);
    gEnd.store(reinterpret_cast<uintptr_t>(bytes) + size);
    gStart.store(reinterpret_cast<uintptr_t>(bytes));

    try {
        use(std::span<const uint8_t>(static_cast<const uint8_t*>(bytes), size));
    } catch (...) {
        // Zeros where the file's end was may well look like damage: say what happened.
        if (gLost.load()) throw FileChangedError();
        throw;
    }
    if (gLost.load()) throw FileChangedError();
    return true;
}

}  // namespace orbigolf::platform
