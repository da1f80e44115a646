#include "spin_button.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace korv {
namespace {

QToolButton* arrow_button(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    // Held down, an arrow keeps stepping, as spin buttons do.
    button->setAutoRepeat(true);
    // A click leaves the focus in the text box being stepped.
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    return button;
}

}  // namespace

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    up_ = arrow_button(Qt::UpArrow, QStringLiteral("up"), this);
    down_ = arrow_button(Qt::DownArrow, QStringLiteral("down"), this);
    // A spin button steps when its arrow goes down, and again at each repeat while it is held;
    // the release does not step, and an arrow pressed and left before the release has stepped.
    connect(up_, &QToolButton::pressed, this, &SpinButton::SpinUp);
    connect(down_, &QToolButton::pressed, this, &SpinButton::SpinDown);

    auto* arrows = new QVBoxLayout(this);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void SpinButton::step_with_keys_of(QWidget* box) {
    if (box_ != nullptr) {
        box_->removeEventFilter(this);
    }
    box_ = box;
    box_->installEventFilter(this);
}

bool SpinButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up) {
            emit SpinUp();
            return true;
        }
        if (key == Qt::Key_Down) {
            emit SpinDown();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace korv
