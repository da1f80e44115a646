#include "line_reader.h"

#include "text_files.h"

namespace korv {
namespace {

constexpr size_t kBufferStep = 1024;
// Once the buffer is longer than this, a line is cut at the next multiple of the step.
constexpr size_t kLongestBuffer = 10240;

struct ReaderRules {
    size_t initial_buffer;
    bool return_ends_line;
};

// The line is assembled in a buffer sized in advance and lengthened by a step whenever the kept
// characters reach a multiple of the step; the buffer's length is also what cuts over-long lines,
// so the two readers' limits follow from their initial lengths. The storage is kept from call to
// call, so reading a file allocates only the lines it returns.
std::string read_characters(int32_t fnum, ReaderRules rules) {
    InputFile* file = input_file(fnum);
    if (file == nullptr) {
        return {};
    }
    thread_local std::string buffer;
    size_t length = rules.initial_buffer;
    if (buffer.size() < length) {
        buffer.resize(length);
    }
    // Written through a plain pointer, so the buffer's address is not read again per character.
    char* line = buffer.data();
    size_t kept = 0;
    bool after_return = false;
    while (!file->at_end()) {
        const int64_t position = file->position();
        const int c = file->next();
        if (c == '\n') {
            break;
        }
        if (rules.return_ends_line && after_return) {
            file->set_position(position);  // this character starts the next line
            break;
        }
        after_return = c == '\r';
        if (c >= 32 && c <= 126) {
            line[kept++] = static_cast<char>(c);
        } else if (c == '\t') {
            line[kept++] = ' ';
        }
        if (kept > 0 && kept % kBufferStep == 0) {
            if (length > kLongestBuffer) {
                break;
            }
            length += kBufferStep;
            if (buffer.size() < length) {
                buffer.resize(length);
                line = buffer.data();
            }
        }
    }
    return std::string(line, kept);
}

}  // namespace

std::string get_line(int32_t fnum) {
    return read_line(fnum).value_or(std::string());
}

std::string get_line_ch(int32_t fnum) {
    return read_characters(fnum, {.initial_buffer = 1024, .return_ends_line = false});
}

std::string get_line_program(int32_t fnum) {
    return read_characters(fnum, {.initial_buffer = 2048, .return_ends_line = true});
}

}  // namespace korv
