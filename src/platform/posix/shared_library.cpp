#include "platform/shared_library.h"

#include <dlfcn.h>

#include <stdexcept>

namespace orbigolf::platform {

void* SharedLibraries::function(const std::string& soname, const char* function) {
    void*& handle = handles_[soname];
    if (!handle) handle = dlopen(soname.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        throw std::runtime_error("the library " + soname + " cannot be loaded (" +
                                 (why ? why : "unknown reason") + ")");
    }
    void* address = dlsym(handle, function);
    if (!address)
        throw std::runtime_error("the library " + soname + " has no function " + function);
    return address;
}

}  // namespace orbigolf::platform
