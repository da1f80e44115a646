#pragma once
// Reading one line from a file open for reading by file number, tolerating stray control
// characters, tabs and over-long lines. Each call consumes what it reads, including the line end
// that stopped it; none opens, closes or checks the file beyond asking whether it is at its end.

#include <cstdint>
#include <string>

#include "platform_export.h"

namespace korv {

// One line as the runtime's line input gives it: the text up to a carriage return or a
// carriage-return/line-feed pair (a lone line feed does not end it). Empty at the end of the file.
KORV_PLATFORM_EXPORT std::string get_line(int32_t fnum);

// One line read byte by byte: a line feed ends it, a tab becomes a blank, printable ASCII (32 to
// 126) is kept and every other byte, carriage returns included, is dropped. A line of printable
// characters is cut after 11264 of them; the next call goes on where it stopped.
KORV_PLATFORM_EXPORT std::string get_line_ch(int32_t fnum);

// The program's reader: as `get_line_ch`, but a carriage return also ends a line (a return
// followed by a line feed ends it at the line feed), and a line is cut after 10240 characters.
KORV_PLATFORM_EXPORT std::string get_line_program(int32_t fnum);

}  // namespace korv
