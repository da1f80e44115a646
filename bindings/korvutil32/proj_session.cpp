#include "proj_session.h"

#include <cmath>

namespace korvutil32 {
namespace {

// The engine writes its diagnostics through the context's log function; the default one prints
// to stderr (for instance on every definition when its database cannot be found). The library
// reports failures through its results only, so the log goes nowhere.
void discard_log(void* /*user_data*/, int /*level*/, const char* /*message*/) {}

}  // namespace

ProjSession& ProjSession::instance() {
    static ProjSession* const session = new ProjSession();
    return *session;
}

ProjSession::ProjSession() {
    context_ = proj_context_create();
    if (context_ != nullptr) {
        proj_log_func(context_, nullptr, discard_log);
        proj_log_level(context_, PJ_LOG_NONE);
        // Every operation is defined by explicit numbers; nothing may be fetched from a network.
        proj_context_set_enable_network(context_, 0);
    }
}

PjHandle ProjSession::create(const std::string& definition) {
    if (context_ == nullptr) {
        return nullptr;
    }
    PjHandle operation(proj_create(context_, definition.c_str()));
    if (operation) {
        ++operations_created_;
    }
    return operation;
}

std::optional<PJ_COORD> transform(PJ* operation, PJ_DIRECTION direction, PJ_COORD coordinate) {
    const PJ_COORD result = proj_trans(operation, direction, coordinate);
    if (!std::isfinite(result.v[0]) || !std::isfinite(result.v[1]) || !std::isfinite(result.v[2])) {
        return std::nullopt;
    }
    return result;
}

}  // namespace korvutil32
