#pragma once
// What a file held, in brief: its length and a hash of its bytes, to tell whether the file
// changed since it was read or written. Two contents of one length that differ only within one
// of their eight-byte words (counted from the start) never have the same fingerprint.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korv {

class InputFile;

class ContentFingerprint {
public:
    // Adds bytes that follow those already added.
    void add(std::string_view bytes);

    // Adds what `file` has consumed and holds buffered beyond the bytes already added, which must
    // be the file's bytes from its start. Called before every read of the file, and once after
    // the last, it adds each byte the reads consumed once, without reading the file a second
    // time (a read that filled the buffer itself is caught up from the buffer).
    void follow(InputFile& file);

    // Follows `file` to its end, consuming the rest of it.
    void follow_to_end(InputFile& file);

    // The fingerprint of the file at `path`; nothing when it cannot be read.
    static std::optional<ContentFingerprint> of_file(const std::string& path);

    friend bool operator==(const ContentFingerprint&, const ContentFingerprint&) = default;

private:
    void add_byte(unsigned char byte);

    uint64_t size_ = 0;
    uint64_t hash_ = 14695981039346656037ull;
    uint64_t pending_ = 0;  // the bytes of a word not yet complete, the first lowest
};

}  // namespace korv
