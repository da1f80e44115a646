#pragma once
// Whole files: whether one is there, copying and deleting it.

#include <string>

namespace korv {

// True for a file (not a folder) at `path`.
bool file_exists(const std::string& path);

// Copies a file byte for byte; the copy is written beside its target and replaces it when whole.
bool copy_file(const std::string& from, const std::string& to);

bool delete_file(const std::string& path);

}  // namespace korv
