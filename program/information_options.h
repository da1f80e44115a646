#pragma once
// "Quarrow --help" and "Quarrow --version": answered before the dialog's application starts, so
// that they need no display (the manual page is made from the help text when building).

#include <optional>

namespace korv {

// When the arguments (argv[1] to argv[argc - 1]) ask for the help text or the version, prints it
// to standard output and gives the exit status; nothing when the dialog is to start. Other
// arguments are left to Qt, which reads its own options (-platform, -style, ...).
std::optional<int> answer_information_options(int argc, const char* const argv[]);

}  // namespace korv
