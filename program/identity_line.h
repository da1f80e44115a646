#pragma once
// A line under a field that says which published entries of the EPSG dataset the field's content
// is. Until the catalogue is in use a button in its place offers to look them up, so that
// starting the dialog reads no database; from then on the line follows every change.

#include <QWidget>

#include "catalogue.h"
#include "error.h"

class QLabel;
class QPushButton;

namespace korv {

class CatalogueOnDemand;

class IdentityLine : public QWidget {
    Q_OBJECT

public slots:
    // Shows what the content is while the catalogue is in use, else the offer to look it up;
    // nothing when there is nothing to identify.
    void refresh();
    // The user changed the content, or asked what it is: puts the catalogue in use and shows it.
    void identify();

protected:
    struct Names {
        QString line;    // object name of the line ("Label_epsg_system")
        QString offer;   // and of the button that offers to look up ("Command_look_up_system")
        QString spoken;  // what screen readers call the line
        int lines = 1;   // the room the line keeps, in lines of text
    };
    IdentityLine(CatalogueOnDemand& catalogue, const Names& names, QWidget* parent);

    // "not identified: <why>": the content is incomplete, or the catalogue cannot be read for
    // the reason given.
    static QString not_identified(const QString& why);
    static QString not_identified(const Error& unavailable);

private:
    // Whether there is anything to identify.
    virtual bool has_subject() const = 0;
    // The line for the content as it stands.
    virtual QString identity(const epsg::Catalogue& catalogue) const = 0;

    CatalogueOnDemand& catalogue_;
    QLabel* line_ = nullptr;
    QPushButton* offer_ = nullptr;
};

}  // namespace korv
