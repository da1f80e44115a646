// What the start-up benchmarks time, as a process of its own so that it loads only what the
// program loads: "startup_child dialog" starts the dialog as the program does and ends once it is
// on screen; "startup_child window" does the same with an empty window bearing the dialog's title,
// the floor no Qt program can go below; "startup_child first-conversion" makes the test panel's
// first conversion, which binds the conversion engine, then a datum shift, and prints the
// milliseconds each took. Settings and datum list live in the folder given second.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "datum_file.h"
#include "form_projections.h"
#include "panel_conversions.h"
#include "program_folder.h"
#include "settings_store.h"

namespace {

double milliseconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// MGA zone 55 on both sides, "AGD66 to GDA 94" tested: the panel's state after "Test Transform".
korv::ProgramState tested_state() {
    korv::ProgramState state;
    state.source_coord_system =
        korv::as_record({korv::kUniversalTransverseMercator, 12, korv::kSouthernHemisphere, -177, 0,
                         0, 0, 500000, 10000000, 0.9996, 6, 55});
    state.source_coord_system.defined = korv::kTrue;
    state.committed_coord_system = state.source_coord_system;
    state.current_datum_shift = korv::built_in_datum_shifts()[1];
    return state;
}

int first_conversion() {
    const korv::ProgramState state = tested_state();
    const korv::GeographicPoint point{144.424867, -37.951034};
    auto start = std::chrono::steady_clock::now();
    const bool projected = korv::geographic_to_grid(state, korv::Side::kSource, point).ok();
    const double first = milliseconds_since(start);
    start = std::chrono::steady_clock::now();
    const bool shifted = korv::convert_between_datums(state, korv::Side::kSource, {point, 0}).ok();
    const double shift = milliseconds_since(start);
    std::printf("%f %f\n", first, shift);
    return projected && shifted ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3) {
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    korv::set_settings_folder(folder);
    korv::set_program_folder(folder);
    if (std::strcmp(argv[1], "first-conversion") == 0) {
        return first_conversion();
    }
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });  // runs once the window is shown
    if (std::strcmp(argv[1], "dialog") == 0) {
        korv::Form_projections form;
        form.Form_Load();
        form.show();
        return QApplication::exec();
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("Define Source Datum Definitions"));
    window.show();
    return QApplication::exec();
}
