#pragma once
// The settings folder in the browser's storage (IndexedDB): restored when the program
// starts, stored back after a settings file in it changed.

namespace orbigolf::platform::web {

// Stores the settings folder when a file in it changed since the last look; looks at most
// a few times a second. Called whenever the program gives the browser its turn.
void storeChangedSettings();

}  // namespace orbigolf::platform::web
