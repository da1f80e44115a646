#pragma once
// A failure in the user's language, as the widgets show it: the words of its code translated in
// the context "korv::Errors" (the translation "korv_errors", loaded on first use), with its
// values put in.

#include <QString>

#include "error.h"
#include "platform_export.h"

namespace korv {

KORV_PLATFORM_EXPORT QString error_message(const Error& error);

}  // namespace korv
