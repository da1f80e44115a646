#pragma once
// Paths as the system keeps them (UTF-8 text) and as the platform's file functions take them.
// On Windows a narrow path is read in the ANSI code page, so a name with a letter beyond it
// ("Müller.csv" on a Greek system) opens only through the wide path built here.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace korv {

// The path of UTF-8 text.
std::filesystem::path native_path(std::string_view utf8);

// Opens a file as std::fopen does ("rb", "wb", "wbx", "r+b").
std::FILE* open_native(const std::filesystem::path& path, const char* mode);

}  // namespace korv
