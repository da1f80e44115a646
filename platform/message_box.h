#pragma once
// Every message the user sees goes through `show_message`: a modal box with an OK button only.
// Tests install a sink that records the texts instead.

#include <QString>
#include <functional>

#include "platform_export.h"

namespace korv {

using MessageSink = std::function<void(const QString& text)>;

KORV_PLATFORM_EXPORT void show_message(const QString& text);

// Replaces where messages go and returns the previous sink; an empty sink restores the modal box.
KORV_PLATFORM_EXPORT MessageSink set_message_sink(MessageSink sink);

}  // namespace korv
