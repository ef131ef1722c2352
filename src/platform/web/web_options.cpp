#include <emscripten.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/web/web_backend.h"

// clang-format off
// The value of one option of the page's address, in memory the caller frees; null when absent.
EM_JS(char*, orbigolf_page_option, (const char* name), {
    const value = new URLSearchParams(window.location.search).get(UTF8ToString(name));
    if (value === null) return 0;
    const size = lengthBytesUTF8(value) + 1;
    const text = _malloc(size);
    stringToUTF8(value, text, size);
    return text;
});

// Shows `size` bytes in the page's <pre> of that id (made when missing): as text, or in
// base64 in a hidden one.
EM_JS(void, orbigolf_publish, (const char* id, const uint8_t* bytes, size_t size, int asBase64), {
    const name = UTF8ToString(id);
    let pre = document.getElementById(name);
    if (!pre) {
        pre = document.createElement('pre');
        pre.id = name;
        pre.hidden = asBase64 != 0;
        document.body.appendChild(pre);
    }
    if (!asBase64) {
        pre.textContent = UTF8ToString(bytes, size);
        return;
    }
    const data = HEAPU8.subarray(bytes, bytes + size);
    let text = '';
    for (let i = 0; i < data.length; i += 0x8000) text += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
    pre.textContent = btoa(text);
});

EM_JS(void, orbigolf_program_ended, (int status), {
    document.body.dataset.ended = String(status);
    if (Module.onProgramEnd) Module.onProgramEnd(status);
});
// clang-format on

namespace orbigolf::platform::web {

std::optional<std::string> pageOption(const std::string& name) {
    std::unique_ptr<char, decltype(&std::free)> value(orbigolf_page_option(name.c_str()), &std::free);
    if (!value) return std::nullopt;
    return std::string(value.get());
}

void publishText(const std::string& id, const std::string& text) {
    orbigolf_publish(id.c_str(), reinterpret_cast<const uint8_t*>(text.data()), text.size(), 0);
}

void publishBase64(const std::string& id, const std::string& bytes) {
    orbigolf_publish(id.c_str(), reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), 1);
}

void programEnded(int status) { orbigolf_program_ended(status); }

}  // namespace orbigolf::platform::web
