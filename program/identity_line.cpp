#include "identity_line.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "catalogue_on_demand.h"
#include "catalogue_texts.h"

namespace korv {

IdentityLine::IdentityLine(CatalogueOnDemand& catalogue, const Names& names, QWidget* parent)
    : QWidget(parent), catalogue_(catalogue) {
    line_ = new QLabel(this);
    line_->setObjectName(names.line);
    line_->setAccessibleName(names.spoken);
    line_->setWordWrap(true);
    line_->setTextFormat(Qt::PlainText);
    line_->setTextInteractionFlags(Qt::TextSelectableByMouse);  // codes and names to copy
    line_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The room the line may take, kept whatever it says, so nothing around it moves as it follows.
    line_->setMinimumHeight(names.lines * line_->fontMetrics().lineSpacing());

    offer_ = new QPushButton(tr("Look up in the EPSG dataset"), this);
    offer_->setObjectName(names.offer);
    offer_->setAccessibleName(tr("%1: look up in the EPSG dataset").arg(names.spoken));
    offer_->hide();  // until the line knows what it identifies

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(offer_, 0, Qt::AlignTop);
    layout->addWidget(line_, 1);

    connect(offer_, &QPushButton::clicked, this, &IdentityLine::identify);
    connect(&catalogue_, &CatalogueOnDemand::inUse, this, &IdentityLine::refresh);
}

void IdentityLine::refresh() {
    const bool offer = has_subject() && !catalogue_.in_use();
    offer_->setVisible(offer);  // hidden with the focus, it hands the focus on
    line_->setText(has_subject() && !offer ? identity(catalogue_.catalogue()) : QString());
}

void IdentityLine::identify() {
    if (has_subject()) {
        catalogue_.catalogue();  // in use from now on; the line follows
    }
    refresh();
}

QString IdentityLine::not_identified(const QString& why) {
    return tr("not identified: %1").arg(why);
}

QString IdentityLine::not_identified(const Error& why) {
    return not_identified(dataset_unavailable(why));
}

}  // namespace korv
