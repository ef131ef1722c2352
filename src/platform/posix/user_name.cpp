#include "platform/user_name.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace orbigolf::platform {

std::string logonName() {
    char buffer[256];
    if (getlogin_r(buffer, sizeof buffer) == 0 && buffer[0]) return buffer;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name && pw->pw_name[0]) return pw->pw_name;
    if (const char* user = std::getenv("USER"); user && *user) return user;
    return "Unknown";
}

}  // namespace orbigolf::platform
