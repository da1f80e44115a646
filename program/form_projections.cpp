#include "form_projections.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "message_box.h"
#include "settings_store.h"
#include "source_settings.h"
#include "startup_steps.h"

namespace korv {

Form_projections::Form_projections(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form_projections"));

    Frame_projection = new QFrame(this);
    Frame_projection->setObjectName(QStringLiteral("Frame_projection"));
    Frame_projection->setVisible(false);

    Cancel = new QPushButton(tr("Cancel"), Frame_projection);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    connect(Cancel, &QPushButton::clicked, this, &Form_projections::Cancel_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Cancel);
    buttons->addStretch();

    auto* panel = new QVBoxLayout(Frame_projection);
    panel->addStretch();
    panel->addLayout(buttons);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(Frame_projection);
}

void Form_projections::Form_Load() {
    run_startup_step([this] {
        const SettingsStore store(kSettingsApplication);
        load_source_coord_system(store, source_coord_system_);
    });
    run_startup_step([this] {
        Frame_projection->setVisible(true);
        setWindowTitle(QStringLiteral("Define Source Datum Definitions"));
    });
}

void Form_projections::Cancel_Click() { close(); }

void Form_projections::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void Form_projections::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    SettingsStore store(kSettingsApplication);
    const QString failure = save_source_coord_system(store, source_coord_system_);
    if (!failure.isEmpty()) {
        show_message(QStringLiteral("The source coordinate system could not be saved: %1.")
                         .arg(failure));
    }
}

}  // namespace korv
