#pragma once
// Sequential text files by file number, shared by the program and the control libraries of one
// process, for the members that outside callers reach with file numbers (the PointTransform
// control's line readers). Inside, files are InputFile and OutputFile objects.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "utilities_export.h"

namespace korv {

class InputFile;

// The lowest file number not in use (1 to 255), or 0 when all are taken.
KORV_UTILITIES_EXPORT int32_t free_file();

// Opening fails (false) when the number is out of range or in use, or the file cannot be opened.
KORV_UTILITIES_EXPORT bool open_for_input(int32_t fnum, const std::string& path);
KORV_UTILITIES_EXPORT bool open_for_output(int32_t fnum, const std::string& path);

// The file open for reading under this number, or null.
KORV_UTILITIES_EXPORT InputFile* input_file(int32_t fnum);

// True at the end of a file open for reading, and for a number not open for reading.
KORV_UTILITIES_EXPORT bool at_end(int32_t fnum);

// The readers of line_reader.h on the file open for reading under `fnum`; an empty text (or
// nothing) for a number not open for reading.
KORV_UTILITIES_EXPORT std::string get_line(int32_t fnum);
KORV_UTILITIES_EXPORT std::string get_line_ch(int32_t fnum);
KORV_UTILITIES_EXPORT std::string get_line_program(int32_t fnum);
KORV_UTILITIES_EXPORT std::optional<double> read_number(int32_t fnum);

// Writes the text followed by a carriage return and a line feed.
KORV_UTILITIES_EXPORT bool write_line(int32_t fnum, std::string_view text);

// Closes the file. For a file open for writing this replaces the target with what was written;
// false when it could not be written whole (the target then keeps its earlier content).
KORV_UTILITIES_EXPORT bool close_file(int32_t fnum);

}  // namespace korv
