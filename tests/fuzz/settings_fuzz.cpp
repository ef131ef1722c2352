// Any bytes as a settings file: it reads (or is refused with RegistryError), and what it
// read, written back and read again, gives the same keys and values.

#include <cstddef>
#include <cstdint>

#include "platform/registry_file.h"

using namespace orbigolf::platform;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RegistryStore store;
    try {
        store = parseRegistryText({data, size});
    } catch (const RegistryError&) {
        return 0;
    }
    const std::string text = writeRegistryText(store);
    const RegistryStore again = parseRegistryText({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
    if (again.keys().size() != store.keys().size()) __builtin_trap();
    for (const RegKey& k : store.keys())
        for (const auto& [name, v] : k.values) {
            const RegValue* back = again.value(k.path, name);
            if (!back || !(*back == v)) __builtin_trap();
        }
    return 0;
}
