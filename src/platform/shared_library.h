#pragma once
// Shared libraries opened when first needed instead of when the program starts. The game
// links neither SDL nor FFmpeg: a headless run never opens a window or a movie, and mapping
// those libraries and the many they depend on costs more at every start than a whole
// headless replay of a hole.

#include <map>
#include <mutex>
#include <string>

namespace orbigolf::platform {

class SharedLibraries {
  public:
    SharedLibraries() = default;
    SharedLibraries(const SharedLibraries&) = delete;
    SharedLibraries& operator=(const SharedLibraries&) = delete;

    // The address of `function` in the library installed as `soname` (opened on the first
    // call for it and kept open for the program's life, as a linked library would be).
    // Throws std::runtime_error saying which library or function is missing.
    void* function(const std::string& soname, const char* function);

  private:
    std::map<std::string, void*> handles_;
};

// The table `load` makes (a library's functions, looked up by name), made by the first call
// and kept for every later one. A load that throws is tried again by the next call.
template <typename Table, Table (*load)()>
const Table& loadedOnce() {
    static std::mutex mutex;
    static Table table;
    static bool ready = false;
    const std::lock_guard lock(mutex);
    if (!ready) {
        table = load();
        ready = true;
    }
    return table;
}

}  // namespace orbigolf::platform
