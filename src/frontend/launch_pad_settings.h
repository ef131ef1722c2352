#pragma once
// The launch pad's settings as the store keeps them: which setting belongs to which
// control, the order they are loaded and saved in, and their types.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/am_reg.h"
#include "frontend/launch_pad_panels.h"

namespace orbigolf::frontend {

// One setting read from the store, not yet applied.
struct StoredSetting {
    enum class Type { Flag, Number, Text };
    std::string name;
    Type type = Type::Flag;
    bool flag = false;
    int32_t number = 0;
    std::string text;
};

// The type of a setting the launch pad loads, or nothing for a name it does not load.
std::optional<StoredSetting::Type> storedSettingType(std::string_view name);

// Reads every setting in the load order when "RunOnce" is set (an empty list when it is
// not). A failure (a damaged file, a value of the wrong type) throws with the store's
// message; the store is closed again either way.
std::vector<StoredSetting> readLaunchPadSettings(TAMReg& store);

// Applies read settings to the controls in their order. The skin name is handed back
// for the skin list. A stored number outside its list keeps the list's selection.
void applyLaunchPadSettings(const std::vector<StoredSetting>& settings, LaunchPadPanels& p, std::string& skin);

// Writes every setting in the save order, "RunOnce" first; throws with the store's
// message when the store cannot be written.
void saveLaunchPadSettings(TAMReg& store, const LaunchPadPanels& p);

}  // namespace orbigolf::frontend
