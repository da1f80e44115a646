#pragma once
// Finding entries by the words a user types: every word typed must start a word of the entry,
// without regard to case. Words are runs of letters and digits, so "EPSG:28355" is two words and
// "Pseudo-Mercator" is found by "mercator".

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace korv::epsg {

class WordSearch {
public:
    // The search for the words of `typed`.
    explicit WordSearch(std::string_view typed);

    // An entry's fields prepared once for searching.
    static std::string searchable(std::initializer_list<std::string_view> fields);

    // Whether every word typed starts a word of `searchable` (made by searchable()); true when
    // nothing was typed.
    bool finds(std::string_view searchable) const;

private:
    std::vector<std::string> words_;  // each led by the blank that starts a word in searchable()
};

// The letters and digits of `text` in lower case, all else left out: names alike but for blanks
// and hyphens ("GDA 94", "GDA94") read the same.
std::string letters_and_digits(std::string_view text);

}  // namespace korv::epsg
