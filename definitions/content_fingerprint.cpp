#include "content_fingerprint.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "input_file.h"

namespace korv {
namespace {

constexpr uint64_t kPrime = 1099511628211ull;  // FNV's, 64 bits
constexpr size_t kWordBytes = 8;

// Eight bytes at a time: with an odd prime, each step maps distinct hashes and distinct words to
// distinct hashes, which is what makes a change within one word always show.
uint64_t mixed(uint64_t hash, uint64_t word) {
    return (hash ^ word) * kPrime;
}

// Eight bytes as a word, the first lowest, whatever the machine's byte order.
uint64_t word_at(const char* bytes) {
    uint64_t word = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&word, bytes, sizeof word);
    } else {
        for (size_t k = 0; k < kWordBytes; ++k) {
            word |= uint64_t{static_cast<unsigned char>(bytes[k])} << (8 * k);
        }
    }
    return word;
}

std::string_view as_text(std::span<const unsigned char> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

void ContentFingerprint::add_byte(unsigned char byte) {
    // A byte's place in its word depends only on its offset in the file, so bytes added in any
    // pieces give the same fingerprint.
    pending_ |= uint64_t{byte} << (8 * (size_ % kWordBytes));
    if (++size_ % kWordBytes == 0) {
        hash_ = mixed(hash_, pending_);
        pending_ = 0;
    }
}

void ContentFingerprint::add(std::string_view bytes) {
    while (!bytes.empty() && size_ % kWordBytes != 0) {
        add_byte(static_cast<unsigned char>(bytes.front()));
        bytes.remove_prefix(1);
    }
    const size_t words = bytes.size() / kWordBytes;
    uint64_t hash = hash_;
    for (size_t i = 0; i < words; ++i) {
        hash = mixed(hash, word_at(bytes.data() + i * kWordBytes));
    }
    hash_ = hash;
    size_ += words * kWordBytes;
    for (const char byte : bytes.substr(words * kWordBytes)) {
        add_byte(static_cast<unsigned char>(byte));
    }
}

void ContentFingerprint::follow(InputFile& file) {
    const uint64_t consumed = static_cast<uint64_t>(file.position());
    if (consumed > size_) {
        // The last read went past the buffer seen here: the bytes it consumed are looked at
        // again, in the buffer it filled (or, after a line longer than a buffer, in the file).
        file.set_position(static_cast<int64_t>(size_));
        while (size_ < consumed) {
            const std::span<const unsigned char> bytes = file.buffered();
            if (bytes.empty()) {
                return;  // a read error: the file reports it
            }
            const size_t count =
                static_cast<size_t>(std::min<uint64_t>(bytes.size(), consumed - size_));
            add(as_text(bytes.first(count)));
            file.consume(count);
        }
    }
    const std::span<const unsigned char> ahead = file.buffered();
    const uint64_t added_already = size_ - consumed;
    if (ahead.size() > added_already) {
        add(as_text(ahead.subspan(static_cast<size_t>(added_already))));
    }
}

void ContentFingerprint::follow_to_end(InputFile& file) {
    follow(file);
    for (std::span<const unsigned char> bytes = file.buffered(); !bytes.empty();
         bytes = file.buffered()) {
        file.consume(bytes.size());
        follow(file);
    }
}

std::optional<ContentFingerprint> ContentFingerprint::of_file(const std::string& path) {
    const std::unique_ptr<InputFile> file = InputFile::open(path);
    if (file == nullptr) {
        return std::nullopt;
    }
    ContentFingerprint fingerprint;
    fingerprint.follow_to_end(*file);
    if (file->failed()) {
        return std::nullopt;
    }
    return fingerprint;
}

}  // namespace korv
