#pragma once
// An editable drop-down in which only a pick selects an entry. Text typed into it stays as typed:
// it is not completed, not matched against the entries (in any case), and Enter keeps it without
// adding it to the list or reaching the window's default button. An entry is selected only when
// the user picks it, from the open list or with the arrow keys or the wheel; `activated` reports
// each pick, the entry already selected included.

#include <QComboBox>

namespace korv {

class PickListComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit PickListComboBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace korv
