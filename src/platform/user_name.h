#pragma once
// The name the current user logged on with.

#include <string>

namespace orbigolf::platform {

// The logon name; "Unknown" when the system gives none.
std::string logonName();

}  // namespace orbigolf::platform
