#pragma once
// Why an operation failed: the kind of failure and the values its words name. Compared by code,
// never by text; error_text.h holds the words.

#include <string>
#include <utility>
#include <vector>

#include "error_code.h"

namespace korv {

struct Error {
    Error(ErrorCode code, std::vector<std::string> values = {})
        : code(code), values(std::move(values)) {}
    // A failure that happened because of `cause`, whose words take the place after the values.
    Error(ErrorCode code, std::vector<std::string> values, Error cause)
        : code(code), values(std::move(values)), cause{std::move(cause)} {}

    ErrorCode code;
    std::vector<std::string> values;  // in the order its words name them: %1, %2, ...
    std::vector<Error> cause;         // none, or the one failure this one happened because of

    friend bool operator==(const Error&, const Error&) = default;
};

}  // namespace korv
