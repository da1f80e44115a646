#include "command_button.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace korv {
namespace {

// Qt presses a focused button with Enter only when it is a dialog's automatic default; outside a
// dialog nothing happens, and inside one the key goes on to the dialog's default button.
class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            modifiers != Qt::NoModifier) {
            return false;
        }
        static_cast<QAbstractButton*>(watched)->click();
        return true;
    }
};

}  // namespace

void press_with_enter(QAbstractButton* button) {
    button->installEventFilter(new EnterPresses(button));
}

}  // namespace korv
