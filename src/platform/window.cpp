#include "platform/window.h"

#include <chrono>
#include <thread>

namespace orbigolf::platform {

void EventSource::pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms < 0 ? 0 : ms)); }

}  // namespace orbigolf::platform
