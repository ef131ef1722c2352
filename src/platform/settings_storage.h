#pragma once
// Where the settings file's text is kept: the system calls behind saving the registry
// stand-in, so that the store itself holds no system headers.

#include <filesystem>
#include <string>

namespace orbigolf::platform {

// Replaces `file` with `text` so that a crash leaves either the old text or the new one:
// the text goes to a temporary file beside it, which is flushed to disk and renamed over
// the file. Several running copies of the game may save at once; every save is complete
// and the last one wins. A file that is a symbolic link stays one: the save goes to the
// file it points to, which keeps its permissions. The folder is created when missing.
// Throws RegistryError("<failed>: <reason>") when the file cannot be written; the old file
// then stays as it was.
void storeSettingsText(const std::filesystem::path& file, const std::string& text,
                       const std::string& failed);

}  // namespace orbigolf::platform
