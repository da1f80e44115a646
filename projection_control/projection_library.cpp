#include "projection_library.h"

#include "projection.h"

namespace korv {

QWidget* ProjectionLibrary::create(const QString& class_name, QWidget* parent) {
    if (class_name != QStringLiteral("KorvProjection.Projection")) {
        return nullptr;
    }
    return new Projection(parent);
}

}  // namespace korv
