#include "system_wkt.h"

#include <proj.h>

#include <memory>

#include "coordinate_system.h"

namespace korv::convert {
namespace {

struct ContextDeleter {
    void operator()(PJ_CONTEXT* context) const { proj_context_destroy(context); }
};
struct ObjectDeleter {
    void operator()(PJ* object) const { proj_destroy(object); }
};

void discard_log(void* /*user_data*/, int /*level*/, const char* /*message*/) {}

}  // namespace

Result<std::string> coordinate_system_wkt(const CoordinateSystemDefinition& definition) {
    const Result<geodesy::CoordinateSystem> system = geodesy::CoordinateSystem::create(definition);
    if (!system) {
        return Error{"the source coordinate system cannot be used: " + system.message()};
    }
    const std::unique_ptr<PJ_CONTEXT, ContextDeleter> context(proj_context_create());
    if (!context) {
        return Error{"the projection engine cannot start"};
    }
    proj_log_func(context.get(), nullptr, discard_log);
    proj_context_set_enable_network(context.get(), 0);
    // The same definition as a coordinate reference system rather than a conversion.
    const std::string crs_definition = system->engine_definition() + " +type=crs";
    const std::unique_ptr<PJ, ObjectDeleter> crs(
        proj_create(context.get(), crs_definition.c_str()));
    const char* wkt = crs ? proj_as_wkt(context.get(), crs.get(), PJ_WKT2_2019, nullptr) : nullptr;
    if (wkt == nullptr) {
        return Error{"the projection engine cannot express \"" + system->engine_definition() +
                     "\" as WKT2"};
    }
    return std::string(wkt);
}

}  // namespace korv::convert
