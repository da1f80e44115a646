#include "line_reader.h"

#include "numeric_text.h"

namespace korv {
namespace {

constexpr size_t kBufferStep = 1024;
// Once the buffer is longer than this, a line is cut at the next multiple of the step.
constexpr size_t kLongestBuffer = 10240;

struct ReaderRules {
    size_t initial_buffer;
    bool return_ends_line;
};

bool is_line_end(int c) {
    return c == '\r' || c == '\n';
}

// The line is assembled as in a buffer sized in advance and lengthened by a step whenever the
// kept characters reach a multiple of the step (after every character that does not end the
// line, kept or dropped); the buffer's length is also what cuts over-long lines, so the two
// readers' limits follow from their initial lengths. The bytes are scanned where the file
// buffered them, without a call per byte.
void read_characters(InputFile& file, std::string& line, ReaderRules rules) {
    line.clear();
    size_t length = rules.initial_buffer;
    bool after_return = false;
    for (std::span<const unsigned char> bytes = file.buffered(); !bytes.empty();
         bytes = file.buffered()) {
        for (size_t i = 0; i < bytes.size(); ++i) {
            const unsigned char c = bytes[i];
            if (c == '\n') {
                file.consume(i + 1);
                return;
            }
            if (rules.return_ends_line && after_return) {
                file.consume(i);  // this character starts the next line
                return;
            }
            after_return = c == '\r';
            if (c >= 32 && c <= 126) {
                line.push_back(static_cast<char>(c));
            } else if (c == '\t') {
                line.push_back(' ');
            }
            if (!line.empty() && line.size() % kBufferStep == 0) {
                if (length > kLongestBuffer) {
                    file.consume(i + 1);
                    return;
                }
                length += kBufferStep;
            }
        }
        file.consume(bytes.size());
    }
}

}  // namespace

std::optional<std::string> read_plain_line(InputFile& file) {
    if (file.at_end()) {
        return std::nullopt;
    }
    std::string line;
    for (int c = file.next(); c != -1; c = file.next()) {
        if (c == '\r') {
            const int64_t after_return = file.position();
            if (file.next() != '\n') {
                file.set_position(after_return);
            }
            break;
        }
        line.push_back(static_cast<char>(c));
    }
    return line;
}

void read_line_ch(InputFile& file, std::string& line) {
    read_characters(file, line, {.initial_buffer = 1024, .return_ends_line = false});
}

void read_line_program(InputFile& file, std::string& line) {
    read_characters(file, line, {.initial_buffer = 2048, .return_ends_line = true});
}

std::optional<double> read_number(InputFile& file) {
    int c = file.next();
    while (c == ' ' || c == '\t' || is_line_end(c)) {
        c = file.next();
    }
    // No number is longer than this; a longer run of characters is read to its end but not kept.
    constexpr size_t kLongestNumber = 1024;
    std::string token;
    bool too_long = false;
    while (c != -1 && c != ' ' && c != '\t' && c != ',' && !is_line_end(c)) {
        if (token.size() < kLongestNumber) {
            token.push_back(static_cast<char>(c));
        } else {
            too_long = true;
        }
        c = file.next();
    }
    if (c == '\r') {  // a line end ends the number and is consumed whole
        const int64_t after_return = file.position();
        if (file.next() != '\n') {
            file.set_position(after_return);
        }
    }
    if (c == ' ' || c == '\t') {
        // Blanks and one comma after them are one separator ("2.5 ,0.3048"): the comma is taken
        // here, so the next number does not read as the empty field before it.
        int64_t after_blanks = file.position();
        for (c = file.next(); c == ' ' || c == '\t'; c = file.next()) {
            after_blanks = file.position();
        }
        if (c != ',') {
            file.set_position(after_blanks);
        }
    }
    if (too_long) {
        return std::nullopt;
    }
    return whole_number(token);
}

}  // namespace korv
