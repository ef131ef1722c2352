#pragma once
// A file's bytes mapped into memory for the length of one call, so that big data files are
// parsed where the system already holds them instead of being copied into a buffer first.
//
// A mapping has one hazard that a copy has not: when another program shortens the file while
// it is mapped, reading the lost part would stop the program with a bus error. Here those
// pages read as zeros instead and the call reports that the file changed.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "platform/data_file.h"

namespace orbigolf::platform {

// Maps `size` bytes of the open regular file `fd` and calls use(bytes), which may throw.
// Returns false, without calling use, when the file cannot be mapped here (the caller then
// reads it); throws FileChangedError after use() returns if the file shrank meanwhile. One
// mapping at a time is guarded: while another is in use (a nested call, another thread)
// this returns false.
bool withMappedFile(int fd, size_t size, const std::function<void(std::span<const uint8_t>)>& use);

}  // namespace orbigolf::platform
