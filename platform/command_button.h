#pragma once
// Command buttons as users of this desktop expect them: the button that has the focus is pressed
// by Enter as well as by Space.

#include "platform_export.h"

class QAbstractButton;

namespace korv {

// Enter and Return press `button` while it has the focus, whatever window holds it. The button
// need not be a dialog's automatic default, so Enter in the host's other fields keeps pressing
// the host's own default button rather than this one.
KORV_PLATFORM_EXPORT void press_with_enter(QAbstractButton* button);

}  // namespace korv
