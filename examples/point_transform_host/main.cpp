// Shows the PointTransform control in a window with buttons that read and assign its transform.

#include <QApplication>

#include "host_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    korv::HostWindow window;
    window.show();
    return QApplication::exec();
}
