#include "catalogue_list_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace korv {

CatalogueListDialog::CatalogueListDialog(const Captions& captions,
                                         std::vector<CatalogueColumn> columns, QWidget* parent)
    : QDialog(parent), model_(new CatalogueListModel(std::move(columns), this)) {
    setObjectName(captions.dialog_name);
    setWindowTitle(captions.title);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("Text_search"));
    search_->setAccessibleName(tr("Search"));
    search_->setPlaceholderText(tr("A code, or words of the name or area"));
    search_->setClearButtonEnabled(true);
    search_->installEventFilter(this);
    auto* search_label = new QLabel(tr("&Search:"), this);
    search_label->setBuddy(search_);

    list_ = new QTreeView(this);
    list_->setObjectName(captions.list_name);
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setAccessibleName(
        QString(captions.list).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    // Each column as wide as its characters or its header, with the room a cell keeps around its
    // text; the list as wide as its columns and its scroll bar.
    const QFontMetrics metrics = list_->fontMetrics();
    const int padding = 2 * metrics.averageCharWidth();
    int width = 2 * list_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int column = 0; column < model_->columnCount(); ++column) {
        const CatalogueColumn& shown = model_->columns()[static_cast<std::size_t>(column)];
        const int column_width = std::max(shown.width * metrics.averageCharWidth(),
                                          metrics.horizontalAdvance(shown.header)) +
                                 padding;
        list_->header()->resizeSection(column, column_width);
        width += column_width;
    }
    list_->header()->setStretchLastSection(true);
    list_->setMinimumSize(width, 20 * metrics.height());
    auto* list_label = new QLabel(captions.list, this);
    list_label->setBuddy(list_);

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("Label_note"));
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for two lines, so the dialog does not jump as notes come and go.
    note_->setMinimumHeight(2 * note_->fontMetrics().lineSpacing());
    note_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    pick_ = buttons->button(QDialogButtonBox::Ok);
    pick_->setText(captions.pick);
    pick_->setObjectName(QStringLiteral("Command_pick"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Command_cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search_label);
    layout->addWidget(search_);
    layout->addWidget(list_label);
    layout->addWidget(list_, 1);
    layout->addWidget(note_);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(search_, &QLineEdit::textChanged, this, &CatalogueListDialog::follow_search);
    connect(list_, &QTreeView::doubleClicked, this, &QDialog::accept);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CatalogueListDialog::follow_current);
    search_->setFocus();
}

void CatalogueListDialog::follow_search() {
    model_->show_entries(find(search_->text().toStdString()));
    if (model_->rowCount() > 0) {
        list_->setCurrentIndex(model_->index(0, 0));
    }
    follow_current();
}

void CatalogueListDialog::show_unavailable(const QString& reason) {
    search_->setEnabled(false);
    pick_->setEnabled(false);
    note_->setText(reason);
}

void CatalogueListDialog::follow_current() {
    const QModelIndex current = list_->currentIndex();
    pick_->setEnabled(current.isValid());
    note_->setText(current.isValid() ? note(model_->entry(current.row())) : QString());
}

void CatalogueListDialog::accept() {
    const QModelIndex current = list_->currentIndex();
    if (current.isValid() && pick(model_->entry(current.row()))) {
        QDialog::accept();
    }
}

bool CatalogueListDialog::eventFilter(QObject* watched, QEvent* event) {
    // The keys that move through a list move through it from the search box too, so the user
    // can type, step to the entry and press Enter without leaving the box.
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(list_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace korv
