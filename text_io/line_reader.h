#pragma once
// Reading text files line by line, tolerating stray control characters, tabs and over-long
// lines, and reading numbers one after the other. Each call consumes what it reads, including the
// line end that stopped it.

#include <optional>
#include <string>

#include "input_file.h"

namespace korv {

// One line as the runtime's line input gives it: the text up to a carriage return or a
// carriage-return/line-feed pair (a lone line feed does not end it). Nothing at the end of the
// file.
std::optional<std::string> read_plain_line(InputFile& file);

// One line read character by character into `line`: a line feed ends it, a tab becomes a blank,
// printable ASCII (32 to 126) is kept and every other byte, carriage returns included, is
// dropped. A line of printable characters is cut after 11264 of them; the next call goes on
// where it stopped. Empty at the end of the file.
void read_line_ch(InputFile& file, std::string& line);

// The program's reader: as `read_line_ch`, but a carriage return also ends a line (a return
// followed by a line feed ends it at the line feed), and a line is cut after 10240 characters.
void read_line_program(InputFile& file, std::string& line);

// The next number of the file: blanks and line ends before it are skipped, and it ends at a blank,
// a comma or a line end. Blanks, then at most one comma, then blanks separate two numbers
// ("2.5 , 0.3048"); a second comma stands for an empty field, which is no number. Nothing at the
// end of the file, when the text there is no number, or when it runs longer than any number is
// written (1024 characters).
std::optional<double> read_number(InputFile& file);

}  // namespace korv
