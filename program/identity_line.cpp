#include "identity_line.h"

#include "catalogue_on_demand.h"
#include "catalogue_texts.h"

namespace korv {

IdentityLine::IdentityLine(CatalogueOnDemand& catalogue, const QString& name, const QString& spoken,
                           QWidget* parent)
    : QLabel(parent), catalogue_(catalogue) {
    setObjectName(name);
    setAccessibleName(spoken);
    setWordWrap(true);
    connect(this, &QLabel::linkActivated, this, &IdentityLine::identify);
    connect(&catalogue_, &CatalogueOnDemand::inUse, this, &IdentityLine::refresh);
}

void IdentityLine::refresh() {
    if (!has_subject()) {
        show_text({}, Qt::PlainText);
    } else if (!catalogue_.in_use()) {
        show_text(QStringLiteral("<a href=\"identify\">%1</a>")
                      .arg(tr("look up in the EPSG dataset").toHtmlEscaped()),
                  Qt::RichText);
    } else {
        show_text(identity(catalogue_.catalogue()), Qt::PlainText);
    }
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

void IdentityLine::show_text(const QString& text, Qt::TextFormat format) {
    setTextFormat(format);
    // The offer is a link that the keyboard reaches too; what was found can be copied.
    setTextInteractionFlags(format == Qt::RichText
                                ? Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard
                                : Qt::TextSelectableByMouse);
    setText(text);
}

}  // namespace korv
