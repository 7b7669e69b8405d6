#include "windows/channels/import_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "widgets/translate.h"
#include "windows/channels/import_rows_model.h"

namespace lm {

TfImportChannels::TfImportChannels(QWidget* parent, const std::string& path, std::string text,
                                   const TALL& state)
    : QDialog(parent), text_(std::move(text)), state_(state) {
    setObjectName("fImportChannels");
    setWindowTitle("Import Channels");
    resize(900, 520);

    edFile = new QLineEdit(QString::fromStdString(path), this);
    edFile->setObjectName("edFile");
    edFile->setReadOnly(true);
    rbByLocation = new QRadioButton("By &Location", this);
    rbByLocation->setObjectName("rbByLocation");
    rbInOrder = new QRadioButton("In &order from channel", this);
    rbInOrder->setObjectName("rbInOrder");
    spFirst = new QSpinBox(this);
    spFirst->setObjectName("spFirst");
    spFirst->setRange(1, std::max(1, state.ChannelCount));
    gvRows = new QTableView(this);
    gvRows->setObjectName("gvRows");
    model_ = new ImportRowsModel(gvRows);
    gvRows->setModel(model_);
    gvRows->verticalHeader()->hide();
    gvRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    gvRows->setSelectionMode(QAbstractItemView::SingleSelection);
    gvRows->horizontalHeader()->setStretchLastSection(true);
    gvRows->installEventFilter(this);
    mmSummary = new QPlainTextEdit(this);
    mmSummary->setObjectName("mmSummary");
    mmSummary->setReadOnly(true);
    mmSummary->setFrameShape(QFrame::NoFrame);
    mmSummary->setFocusPolicy(Qt::NoFocus);
    mmSummary->setMaximumHeight(4 * mmSummary->fontMetrics().lineSpacing() + 8);
    btnImport = new QPushButton("&Import", this);
    btnImport->setObjectName("btnImport");
    btnImport->setDefault(true);
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");
    lTaken = new QLabel("%1 of %2 rows go to channels", this);
    lTaken->setObjectName("lTaken");
    lReplaced = new QLabel("%1 replace channels in use (bold)", this);
    lReplaced->setObjectName("lReplaced");
    lIgnored = new QLabel("Ignored columns:", this);
    lIgnored->setObjectName("lIgnored");
    for (QLabel* hidden : {lTaken, lReplaced, lIgnored}) hidden->hide();

    auto* placement = new QHBoxLayout;
    placement->addWidget(rbByLocation);
    placement->addWidget(rbInOrder);
    placement->addWidget(spFirst);
    placement->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mmSummary, 1);
    buttons->addWidget(btnImport);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edFile);
    layout->addLayout(placement);
    layout->addWidget(gvRows, 1);
    layout->addLayout(buttons);

    TranslateOnOpen(this, false);
    // A file without a Location column can only be placed in order.
    const bool locations = !PreviewChannelsCsv(state_, text_, {}).refusal;
    rbByLocation->setEnabled(locations);
    (locations ? rbByLocation : rbInOrder)->setChecked(true);

    connect(rbByLocation, &QRadioButton::toggled, this, &TfImportChannels::Refresh);
    connect(spFirst, &QSpinBox::valueChanged, this, [this] {
        rbInOrder->setChecked(true);
        Refresh();
    });
    // Queued: a click on a check box is still being handled by the view when the rows change.
    connect(model_, &ImportRowsModel::leftOutChanged, this, &TfImportChannels::Refresh, Qt::QueuedConnection);
    connect(btnImport, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    Refresh();
    gvRows->resizeColumnsToContents();
    gvRows->setFocus();
    if (model_->rowCount() > 0) gvRows->setCurrentIndex(model_->index(0, ImportRowsModel::kTake));
}

ImportOptions TfImportChannels::Options() const {
    ImportOptions options;
    if (rbInOrder->isChecked()) {
        options.placement = ImportOptions::Placement::InOrder;
        options.firstChannel = spFirst->value();
    }
    options.leftOut = model_->LeftOut();
    return options;
}

const ImportPreview& TfImportChannels::Preview() const { return model_->Preview(); }

QString TfImportChannels::Summary() const { return mmSummary->toPlainText(); }

void TfImportChannels::Refresh() {
    const QModelIndex current = gvRows->currentIndex();
    model_->SetPreview(PreviewChannelsCsv(state_, text_, Options()));
    if (current.isValid()) gvRows->setCurrentIndex(model_->index(current.row(), current.column()));
    const ImportPreview& preview = model_->Preview();
    int taken = 0, replaced = 0;
    for (const ImportRow& row : preview.rows) {
        taken += row.channel > 0 ? 1 : 0;
        replaced += row.channel > 0 && row.replaces ? 1 : 0;
    }
    QStringList lines;
    if (preview.refusal) lines << QString::fromStdString(preview.refusal->Text());
    lines << lTaken->text().arg(taken).arg(preview.rows.size());
    if (replaced > 0) lines.back() += ", " + lReplaced->text().arg(replaced);
    if (!preview.numbering.empty()) lines << QString::fromStdString(preview.numbering);
    if (!preview.ignoredColumns.empty()) {
        QStringList names;
        for (const std::string& name : preview.ignoredColumns) names << QString::fromStdString(name);
        lines << lIgnored->text() + " " + names.join(", ");
    }
    mmSummary->setPlainText(lines.join("\n"));
    btnImport->setEnabled(!preview.refusal && taken > 0);
}

bool TfImportChannels::eventFilter(QObject* watched, QEvent* event) {
    if (watched == gvRows && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space) {
            model_->Toggle(gvRows->currentIndex().row());
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (btnImport->isEnabled()) btnImport->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace lm
