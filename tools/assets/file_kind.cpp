#include "file_kind.h"

#include <limits>

#include "avi_command.h"
#include "flic_command.h"
#include "media/media_error.h"

namespace orbigolf::assets {

FileKind fileKindOf(const std::string& fileName, HotForm& form) {
    // Movies may be larger than the data files the game reads; big files are mapped, so
    // this only checks that the file is there and can be read.
    media::withFileBytes(fileName, [](media::ByteView) {}, std::numeric_limits<size_t>::max());
    if (isFlicFile(fileName)) return FileKind::Animation;
    if (isAviFile(fileName)) return FileKind::Movie;
    if (readHotForm(fileName, form)) return FileKind::Form;
    return FileKind::DataFile;
}

}  // namespace orbigolf::assets
