// The three line readers on whole files. Reading a file to its end always ends, every call
// consumes at least one byte, and no line is longer than its reader's limit. The two character
// readers return printable ASCII only, and their lines joined give exactly the file with line
// feeds, carriage returns and other unprintable bytes dropped and tabs made blanks; the plain
// reader's lines and line ends give back the file byte for byte. Readers taking turns on one
// file still end and lose nothing but line ends.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "file_numbers.h"
#include "fuzz_check.h"
#include "line_reader.h"
#include "scratch_folder.h"

namespace {

constexpr size_t kCharacterLimit = 11264;
constexpr size_t kProgramLimit = 10240;

// What the character readers keep of a file, line ends aside.
std::string kept_characters(std::string_view content) {
    std::string kept;
    for (const char byte : content) {
        const auto c = static_cast<unsigned char>(byte);
        if (c >= 32 && c <= 126) {
            kept.push_back(static_cast<char>(c));
        } else if (c == '\t') {
            kept.push_back(' ');
        }
    }
    return kept;
}

bool printable(const std::string& line) {
    for (const char c : line) {
        if (c < 32 || c > 126) {
            return false;
        }
    }
    return true;
}

using Reader = std::function<std::string(int32_t)>;

// Reads the file to its end with `pick` choosing the reader for each call; returns the lines
// joined. Each call must move on by at least one byte.
std::string read_to_end(const std::string& path, size_t size,
                        const std::function<Reader(size_t call)>& pick) {
    const int32_t fnum = korv::free_file();
    KORV_FUZZ_REQUIRE(fnum != 0 && korv::open_for_input(fnum, path), "the file opens");
    std::string joined;
    size_t calls = 0;
    while (!korv::at_end(fnum)) {
        KORV_FUZZ_REQUIRE(calls <= size, "every call consumes at least one byte");
        const int64_t before = korv::input_file(fnum)->position();
        joined += pick(calls++)(fnum);
        KORV_FUZZ_REQUIRE(korv::input_file(fnum)->position() > before, "a call moves on");
    }
    KORV_FUZZ_REQUIRE(korv::close_file(fnum), "the file closes after reading");
    return joined;
}

Reader checked_character_reader(std::string (*reader)(int32_t), size_t limit) {
    return [reader, limit](int32_t fnum) {
        std::string line = reader(fnum);
        KORV_FUZZ_REQUIRE(line.size() <= limit, "a line is never longer than its reader's limit");
        KORV_FUZZ_REQUIRE(printable(line), "a character reader returns printable ASCII only");
        return line;
    };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = korv::fuzz::scratch_path("lines.txt");
    korv::fuzz::write_scratch_file(path, data, size);
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::string kept = kept_characters(content);

    const Reader character = checked_character_reader(korv::get_line_ch, kCharacterLimit);
    const Reader program = checked_character_reader(korv::get_line_program, kProgramLimit);
    KORV_FUZZ_REQUIRE(read_to_end(path, size, [&](size_t) { return character; }) == kept,
                      "get_line_ch keeps every printable character and tab");
    KORV_FUZZ_REQUIRE(read_to_end(path, size, [&](size_t) { return program; }) == kept,
                      "get_line_program keeps every printable character and tab");

    // The plain reader: each line, put back with the carriage return (and line feed) that ended
    // it, rebuilds the file.
    const Reader plain = [](int32_t fnum) {
        korv::InputFile* file = korv::input_file(fnum);
        const int64_t before = file->position();
        std::string line = korv::get_line(fnum);
        KORV_FUZZ_REQUIRE(line.find('\r') == std::string::npos,
                          "a plain line holds no carriage return");
        const int64_t line_end = file->position() - before - static_cast<int64_t>(line.size());
        KORV_FUZZ_REQUIRE(line_end >= 0 && line_end <= 2, "a plain line ends at CR or CR LF");
        return line + std::string("\r\n", static_cast<size_t>(line_end));
    };
    KORV_FUZZ_REQUIRE(read_to_end(path, size, [&](size_t) { return plain; }) == content,
                      "get_line's lines and their ends give back the file");

    // Readers taking turns, chosen by the file's own bytes.
    const Reader readers[] = {character, program,
                              [](int32_t fnum) { return kept_characters(korv::get_line(fnum)); }};
    const std::string taking_turns = read_to_end(path, size, [&](size_t call) {
        return readers[size == 0 ? 0 : static_cast<unsigned char>(content[call % size]) % 3];
    });
    KORV_FUZZ_REQUIRE(taking_turns == kept, "readers taking turns lose nothing but line ends");
    return 0;
}
