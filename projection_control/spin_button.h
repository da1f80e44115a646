#pragma once
// A spin button: an up and a down arrow and nothing else, for stepping the value of a text box
// beside it. The text box keeps the user's text; the spin button only says which way to step.

#include <QWidget>

class QToolButton;

namespace korv {

class SpinButton : public QWidget {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    // The Up and Down keys in `box` step as the arrows do, so the box can be stepped from the
    // keyboard while the arrows stay out of the tab order.
    void step_with_keys_of(QWidget* box);

    QToolButton* up_arrow() const { return up_; }
    QToolButton* down_arrow() const { return down_; }

signals:
    void SpinUp();
    void SpinDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    QWidget* box_ = nullptr;
};

}  // namespace korv
