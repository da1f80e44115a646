#pragma once
// A line under a field that says which published entries of the EPSG dataset the field's content
// is. Until the catalogue is in use it offers to look them up, so that starting the dialog reads
// no database; from then on it follows every change.

#include <QLabel>

#include "catalogue.h"
#include "error.h"

namespace korv {

class CatalogueOnDemand;

class IdentityLine : public QLabel {
    Q_OBJECT

public slots:
    // Shows what the content is while the catalogue is in use, else the offer to look it up;
    // nothing when there is nothing to identify.
    void refresh();
    // The user changed the content, or asked what it is: puts the catalogue in use and shows it.
    void identify();

protected:
    // `name` is the object name, `spoken` what screen readers call the line.
    IdentityLine(CatalogueOnDemand& catalogue, const QString& name, const QString& spoken,
                 QWidget* parent);

    // "not identified: <why>": the content is incomplete, or the catalogue cannot be read for
    // the reason given.
    static QString not_identified(const QString& why);
    static QString not_identified(const Error& unavailable);

private:
    // Whether there is anything to identify.
    virtual bool has_subject() const = 0;
    // The line for the content as it stands.
    virtual QString identity(const epsg::Catalogue& catalogue) const = 0;

    void show_text(const QString& text, Qt::TextFormat format);

    CatalogueOnDemand& catalogue_;
};

}  // namespace korv
