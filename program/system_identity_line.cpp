#include "system_identity_line.h"

#include "catalogue_texts.h"
#include "projection_binding.h"

namespace korv {

// Two lines, which a definition of several systems takes.
SystemIdentityLine::SystemIdentityLine(CatalogueOnDemand& catalogue, QWidget* control,
                                       QWidget* parent)
    : IdentityLine(catalogue,
                   {QStringLiteral("Label_epsg_system"), QStringLiteral("Command_look_up_system"),
                    tr("Published EPSG systems of this definition"), 2},
                   parent),
      control_(control) {
    // An edit is the user's: it puts the catalogue in use. A definition given to the control (at
    // start-up, or taken back by "Done") is followed once the catalogue is in use.
    connect_control_signal(control_, "entriesEdited()", this, "identify()");
    connect_control_signal(control_, "coordinateSystemChanged(korv::CoordSystem)", this,
                           "refresh()");
    refresh();
}

QString SystemIdentityLine::identity(const epsg::Catalogue& catalogue) const {
    if (const auto systems = catalogue.systems(); !systems) {
        return not_identified(systems.error());
    }
    const std::optional<CoordSystem> entered = entered_coordinate_system(control_);
    if (!entered) {
        return not_identified(entries_problem(control_).value_or(QString()));
    }
    const std::optional<CoordinateSystemDefinition> definition = definition_of(*entered);
    return system_identity(definition ? catalogue.matching_systems(*definition)
                                      : std::vector<epsg::PublishedSystem>{});
}

}  // namespace korv
