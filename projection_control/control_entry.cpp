// The control library's entry point: hosts create its controls by class name through it.

#include <QWidget>
#include <cstring>
#include <new>

#include "projection.h"

extern "C" Q_DECL_EXPORT QWidget* korv_create_control(const char* class_name, QWidget* parent) {
    if (class_name == nullptr || std::strcmp(class_name, "KorvProjection.Projection") != 0) {
        return nullptr;
    }
    try {
        return new korv::Projection(parent);
    } catch (const std::bad_alloc&) {
        return nullptr;  // no exception leaves the C entry point
    }
}
