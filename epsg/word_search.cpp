#include "word_search.h"

namespace korv::epsg {
namespace {

// Letters and digits, and every byte of a character beyond ASCII ("é" is part of a word).
bool word_character(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
           (c >= 'A' && c <= 'Z');
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The words of `text` in lower case, each led by one blank.
std::string blank_led_words(std::string_view text) {
    std::string words;
    bool in_word = false;
    for (const char c : text) {
        const bool inside = word_character(c);
        if (inside && !in_word) {
            words += ' ';
        }
        if (inside) {
            words += lower(c);
        }
        in_word = inside;
    }
    return words;
}

}  // namespace

WordSearch::WordSearch(std::string_view typed) {
    const std::string words = blank_led_words(typed);
    for (size_t start = 0; start < words.size();) {
        const size_t end = words.find(' ', start + 1);
        words_.push_back(words.substr(start, end - start));
        start = end;
    }
}

std::string WordSearch::searchable(std::initializer_list<std::string_view> fields) {
    std::string text;
    for (const std::string_view field : fields) {
        text += blank_led_words(field);
    }
    return text;
}

std::string letters_and_digits(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if (word_character(c)) {
            kept += lower(c);
        }
    }
    return kept;
}

bool WordSearch::finds(std::string_view searchable) const {
    for (const std::string& word : words_) {
        if (searchable.find(word) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

}  // namespace korv::epsg
