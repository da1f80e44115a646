// quarrow-convert's options on any arguments: reading them ends with options or an error. An
// accepted number is the whole text typed, never only the number it starts with, and a refused
// zone is named as typed.

#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "fuzz_check.h"
#include "trim.h"

namespace {

// Options a byte below their count stands for, so that runs reach every option's reading.
constexpr const char* kOptions[] = {"--system=",      "--zone=",       "--shift-parameters=",
                                    "--from=",        "--to=",         "--map-spheroid=",
                                    "--shift=",       "--header",      "--no-header",
                                    "--labels",       "--format=",     "--",
                                    "--system=EPSG:", "--shift=EPSG:", "--list-shifts",
                                    "--show="};
constexpr std::size_t kOptionCount = sizeof kOptions / sizeof *kOptions;

// True when the whole text, blanks around it aside, is one finite number.
bool whole_number_text(std::string_view text) {
    text = korv::trimmed(text, korv::kBlanksAndTabs);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() && std::isfinite(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QStringList arguments;
    std::vector<std::string> zone_texts;  // what each argument may give --zone
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (std::size_t at = 0; at <= bytes.size();) {
        const std::size_t end = std::min(bytes.find('\0', at), bytes.size());
        std::string argument(bytes.substr(at, end - at));
        if (!argument.empty() && static_cast<unsigned char>(argument[0]) < kOptionCount) {
            argument = kOptions[static_cast<unsigned char>(argument[0])] + argument.substr(1);
        }
        const QString typed = QString::fromUtf8(argument);
        zone_texts.push_back(typed.toStdString());  // as the value after "--zone"
        zone_texts.push_back(typed.mid(7).toStdString());
        arguments << typed;
        at = end + 1;
    }
    const korv::Result<korv::convert::CommandLine> line =
        korv::convert::parse_command_line(arguments);
    if (!line) {
        const std::string message = line.message();
        KORV_FUZZ_REQUIRE(!message.empty(), "a refusal says why");
        if (message.starts_with("--zone \"")) {
            const std::string_view named = std::string_view(message).substr(8);
            const std::string_view quoted = named.substr(0, named.rfind('"'));
            KORV_FUZZ_REQUIRE(std::any_of(zone_texts.begin(), zone_texts.end(),
                                          [&](const std::string& text) {
                                              return korv::trimmed(text, korv::kBlanksAndTabs) ==
                                                     quoted;
                                          }),
                              "a refused zone is named as typed");
        }
        return 0;
    }
    KORV_FUZZ_REQUIRE(!line->zone || *line->zone >= 1, "a zone is 1 or more");
    KORV_FUZZ_REQUIRE(!((line->shift_name || line->shift_code) && line->shift_values),
                      "one shift at most");
    KORV_FUZZ_REQUIRE(!line->system_code || *line->system_code >= 1, "an EPSG code is 1 or more");
    if (line->system_lists) {
        std::string_view lists = *line->system_lists;
        std::size_t values = 0;
        for (std::size_t at = 0; at <= lists.size(); ++values) {
            const std::size_t end = std::min(lists.find_first_of(";|", at), lists.size());
            KORV_FUZZ_REQUIRE(whole_number_text(lists.substr(at, end - at)),
                              "every value of an accepted --system is a whole number text");
            at = end + 1;
        }
        KORV_FUZZ_REQUIRE(values == 12, "an accepted --system holds twelve values");
    }
    return 0;
}
