#pragma once
// Asks which two of the test panel's four points a file conversion goes between: two labelled
// lists, "Points in the file" and "Convert to", worked with the arrow keys, Tab and Enter. The same
// point cannot be both: the second list greys out the point chosen in the first, and "Convert"
// waits for two different points.

#include <QDialog>
#include <optional>
#include <utility>

#include "conversion_setup.h"

class QListWidget;
class QPushButton;

namespace korv {

class PointPairDialog : public QDialog {
    Q_OBJECT

public:
    using PointPair = std::pair<convert::PointKind, convert::PointKind>;

    // Shows `proposed` chosen.
    explicit PointPairDialog(PointPair proposed, QWidget* parent = nullptr);

    PointPair chosen() const;

    // The points the user chose, or nothing when they cancelled.
    static std::optional<PointPair> choose(PointPair proposed, QWidget* parent);

private:
    QListWidget* make_list(const QString& name, convert::PointKind chosen);
    void follow_choice();

    QListWidget* from_ = nullptr;
    QListWidget* to_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace korv
