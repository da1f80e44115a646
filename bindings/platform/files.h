#pragma once
// Whole files: whether one is there, copying and deleting it.

#include <string>

#include "platform_export.h"

namespace korv {

// True for a file (not a folder) at `path`.
KORV_PLATFORM_EXPORT bool file_exists(const std::string& path);

// Copies a file byte for byte; the copy is written beside its target and replaces it when whole.
KORV_PLATFORM_EXPORT bool copy_file(const std::string& from, const std::string& to);

KORV_PLATFORM_EXPORT bool delete_file(const std::string& path);

}  // namespace korv
