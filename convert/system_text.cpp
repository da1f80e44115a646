#include "system_text.h"

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

const char* form_name(SystemText form) {
    return form == SystemText::kWkt2 ? "WKT2" : "PROJJSON";
}

}  // namespace

Result<std::string> coordinate_system_text(const CoordinateSystemDefinition& definition,
                                           SystemText form) {
    const Result<geodesy::CoordinateSystem> system = geodesy::CoordinateSystem::create(definition);
    if (!system) {
        return Error{ErrorCode::kSourceSystemUnusable, {}, system.error()};
    }
    const std::unique_ptr<PJ_CONTEXT, ContextDeleter> context(proj_context_create());
    if (!context) {
        return Error{ErrorCode::kEngineCannotStart};
    }
    proj_log_func(context.get(), nullptr, discard_log);
    proj_context_set_enable_network(context.get(), 0);
    // The same definition as a coordinate reference system rather than a conversion.
    const std::string crs_definition = system->engine_definition() + " +type=crs";
    const std::unique_ptr<PJ, ObjectDeleter> crs(
        proj_create(context.get(), crs_definition.c_str()));
    const char* text = nullptr;
    if (crs && form == SystemText::kWkt2) {
        text = proj_as_wkt(context.get(), crs.get(), PJ_WKT2_2019, nullptr);
    } else if (crs) {
        text = proj_as_projjson(context.get(), crs.get(), nullptr);
    }
    if (text == nullptr) {
        return Error{ErrorCode::kEngineCannotExpress,
                     {system->engine_definition(), form_name(form)}};
    }
    return std::string(text);
}

}  // namespace korv::convert
