#pragma once
// The kinds of file the asset tool knows, told apart once before any command runs on them.

#include <string>

#include "hot_command.h"

namespace orbigolf::assets {

enum class FileKind {
    Animation,  // .fli, .flc
    Movie,      // .avi
    Form,       // a form stream holding hot-spot images
    DataFile,   // a picture or sound list, a bitmap or a wave (see asset_file.h)
};

// Throws media::FileError when the file cannot be read at all, so that every kind reports a
// missing or unreadable file in the same words. `form` receives the form when it is one.
FileKind fileKindOf(const std::string& fileName, HotForm& form);

}  // namespace orbigolf::assets
