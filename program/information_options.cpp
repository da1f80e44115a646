#include "information_options.h"

#include <cstdio>
#include <string_view>

#ifndef QUARROW_VERSION
#define QUARROW_VERSION "unknown"
#endif

namespace korv {
namespace {

// The layout of "quarrow-convert --help": a usage line, what the program does, then its options
// and files, each explained in a column at the same indent.
constexpr std::string_view kHelp =
    R"(Usage: Quarrow [Qt options]

Opens the dialog "Define Source Datum Definitions", in which the coordinate system of survey
source data is stated (a local grid, the zoned transverse Mercator grids, three conics, on 22
classic spheroids) and a seven-parameter datum shift to the map datum is picked from or edited
in the datum list. The conversion test panel ("Test Transform") tries the definition on single
points; its "Convert File..." converts whole files of points with it, as quarrow-convert does.

Whatever closes the dialog, the source coordinate system is kept in the settings store, and
the next start shows it again.

Options:
  -h, --help           print this text and exit
  --version            print the version and exit
  -platform NAME, -display DISPLAY, -style NAME, ...
                       Qt's own options, as for every Qt program

Files:
  ~/.config/Halvern/Quarrtool.conf
                       the source coordinate system the dialog keeps
  datum.csv            the list of datum shifts, beside the program; when the program's folder
                       cannot be written (an installed program), in the user's data folder
                       ~/.local/share/Halvern/Quarrow/, starting as a copy of the list beside
                       the program, if any
)";

}  // namespace

std::optional<int> answer_information_options(int argc, const char* const argv[]) {
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "-h" || argument == "--help") {
            std::fputs(kHelp.data(), stdout);
            return 0;
        }
        if (argument == "--version") {
            std::puts("Quarrow " QUARROW_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace korv
