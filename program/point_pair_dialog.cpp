#include "point_pair_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <array>

namespace korv {
namespace {

constexpr int kPointCount = 4;

// The points in the order of the path between them, named as the panel names their fields.
std::array<QString, kPointCount> point_names() {
    return {PointPairDialog::tr("Source grid (East/North)"),
            PointPairDialog::tr("Source geographic (Lat/lon)"),
            PointPairDialog::tr("Map geographic (Lat/lon)"),
            PointPairDialog::tr("Map grid (East/North)")};
}

int row_of(convert::PointKind kind) {
    return static_cast<int>(kind);
}

}  // namespace

PointPairDialog::PointPairDialog(PointPair proposed, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form_convert_points"));
    setWindowTitle(tr("Convert File"));

    auto* explanation = new QLabel(
        tr("Each line of the file holds one point: east and north, or longitude and latitude, "
           "then an optional height, optionally led by a label."),
        this);
    explanation->setWordWrap(true);
    explanation->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    from_ = make_list(QStringLiteral("List_convert_from"), proposed.first);
    to_ = make_list(QStringLiteral("List_convert_to"), proposed.second);
    auto* from_label = new QLabel(tr("Points in the &file:"), this);
    auto* to_label = new QLabel(tr("Convert &to:"), this);
    from_label->setBuddy(from_);
    to_label->setBuddy(to_);
    from_->setAccessibleName(tr("Points in the file"));
    to_->setAccessibleName(tr("Convert to"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(tr("Convert"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(from_, &QListWidget::currentRowChanged, this, &PointPairDialog::follow_choice);
    connect(to_, &QListWidget::currentRowChanged, this, &PointPairDialog::follow_choice);

    auto* grid = new QGridLayout(this);
    grid->addWidget(explanation, 0, 0, 1, 2);
    grid->addWidget(from_label, 1, 0);
    grid->addWidget(to_label, 1, 1);
    grid->addWidget(from_, 2, 0);
    grid->addWidget(to_, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    setTabOrder(from_, to_);
    from_->setFocus();
    follow_choice();
}

QListWidget* PointPairDialog::make_list(const QString& name, convert::PointKind chosen) {
    auto* list = new QListWidget(this);
    list->setObjectName(name);
    for (const QString& point : point_names()) {
        list->addItem(point);
    }
    // Just tall enough for the four points; wide enough for the longest name.
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * list->frameWidth();
    list->setFixedHeight(list->sizeHintForRow(0) * list->count() + frame);
    list->setMinimumWidth(list->sizeHintForColumn(0) + frame +
                          fontMetrics().averageCharWidth() * 4);
    list->setCurrentRow(row_of(chosen));
    return list;
}

PointPairDialog::PointPair PointPairDialog::chosen() const {
    return {static_cast<convert::PointKind>(from_->currentRow()),
            static_cast<convert::PointKind>(to_->currentRow())};
}

void PointPairDialog::follow_choice() {
    for (int row = 0; row < kPointCount; ++row) {
        QListWidgetItem* item = to_->item(row);
        const bool usable = row != from_->currentRow();
        item->setFlags(usable ? item->flags() | Qt::ItemIsEnabled
                              : item->flags() & ~Qt::ItemIsEnabled);
    }
    ok_->setEnabled(from_->currentRow() != to_->currentRow());
}

std::optional<PointPairDialog::PointPair> PointPairDialog::choose(PointPair proposed,
                                                                  QWidget* parent) {
    PointPairDialog dialog(proposed, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosen();
}

}  // namespace korv
