// What the start-up benchmark times, as a process of its own so that it loads only what the
// program loads: "startup_child dialog" starts the dialog as the program does and ends once it is
// on screen; "startup_child window" does the same with an empty window bearing the dialog's title,
// the floor no Qt program can go below. Settings and datum list live in the folder given second.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstring>

#include "form_projections.h"
#include "program_folder.h"
#include "settings_store.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3) {
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    korv::set_settings_folder(folder);
    korv::set_program_folder(folder);
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
