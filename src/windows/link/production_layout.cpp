// The controls of the Production window and how they are laid out.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "windows/link/production_table.h"
#include "windows/link/production_window.h"

namespace lm {
namespace {

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

void TfProduction::BuildLayout() {
    tbPorts = Named(new QTableView(this), "tbPorts");
    tbPorts->setModel(table_.get());
    tbPorts->setItemDelegateForColumn(ProductionTable::kProgress, new ProgressDelegate(tbPorts));
    tbPorts->setSelectionBehavior(QAbstractItemView::SelectRows);
    tbPorts->setSelectionMode(QAbstractItemView::SingleSelection);
    tbPorts->verticalHeader()->hide();
    tbPorts->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    tbPorts->horizontalHeader()->setStretchLastSection(false);
    tbPorts->horizontalHeader()->setSectionResizeMode(ProductionTable::kResult, QHeaderView::Stretch);
    tbPorts->setColumnWidth(ProductionTable::kDescription, 180);
    tbPorts->setColumnWidth(ProductionTable::kProgress, 110);
    tbPorts->setColumnWidth(ProductionTable::kStep, 90);
    tbPorts->setColumnWidth(ProductionTable::kArea, 60);
    tbPorts->setColumnWidth(ProductionTable::kId, 90);
    tbPorts->setColumnWidth(ProductionTable::kSeconds, 70);
    btnRefresh = Named(new QPushButton("R&efresh Ports", this), "btnRefresh");

    gbData = Named(new QGroupBox("Data to write", this), "gbData");
    rbMemory = Named(new QRadioButton("The image in &memory", gbData), "rbMemory");
    rbFile = Named(new QRadioButton("This data &file:", gbData), "rbFile");
    edFile = Named(new QLineEdit(gbData), "edFile");
    btnFile = Named(new QPushButton("Browse...", gbData), "btnFile");
    auto* dataGrid = new QGridLayout(gbData);
    dataGrid->addWidget(rbMemory, 0, 0, 1, 3);
    dataGrid->addWidget(rbFile, 1, 0);
    dataGrid->addWidget(edFile, 1, 1);
    dataGrid->addWidget(btnFile, 1, 2);
    dataGrid->setColumnStretch(1, 1);

    gbOptions = Named(new QGroupBox("Options", this), "gbOptions");
    cbVerify = Named(new QCheckBox("&Verify after writing", gbOptions), "cbVerify");
    cbBackup = Named(new QCheckBox("&Back up each radio first, into:", gbOptions), "cbBackup");
    edBackup = Named(new QLineEdit(gbOptions), "edBackup");
    btnBackup = Named(new QPushButton("Browse...", gbOptions), "btnBackup");
    lbPassword = Named(new QLabel("&Password:", gbOptions), "lbPassword");
    edPassword = Named(new QLineEdit(gbOptions), "edPassword");
    edPassword->setEchoMode(QLineEdit::Password);
    lbPassword->setBuddy(edPassword);
    cbNewPassword = Named(new QCheckBox("&New password:", gbOptions), "cbNewPassword");
    edNewPassword = Named(new QLineEdit(gbOptions), "edNewPassword");
    edNewPassword->setMaxLength(10);
    cbNumber = Named(new QCheckBox("DTMF &ID code from:", gbOptions), "cbNumber");
    edIdFrom = Named(new QLineEdit(gbOptions), "edIdFrom");
    edIdFrom->setMaxLength(10);
    lbStep = Named(new QLabel("s&tep:", gbOptions), "lbStep");
    edIdStep = Named(new QLineEdit(gbOptions), "edIdStep");
    edIdStep->setMaxLength(10);
    lbStep->setBuddy(edIdStep);
    lbLog = Named(new QLabel("&Log file:", gbOptions), "lbLog");
    edLog = Named(new QLineEdit(gbOptions), "edLog");
    lbLog->setBuddy(edLog);
    btnLog = Named(new QPushButton("Browse...", gbOptions), "btnLog");
    cbWatch = Named(new QCheckBox("Start each radio as soon as it &answers", gbOptions), "cbWatch");
    for (QPushButton* b : {btnFile, btnBackup, btnLog}) b->setAutoDefault(false);
    auto* options = new QGridLayout(gbOptions);
    options->addWidget(cbVerify, 0, 0, 1, 4);
    options->addWidget(cbBackup, 1, 0);
    options->addWidget(edBackup, 1, 1, 1, 3);
    options->addWidget(btnBackup, 1, 4);
    options->addWidget(lbPassword, 2, 0);
    options->addWidget(edPassword, 2, 1, 1, 3);
    options->addWidget(cbNewPassword, 3, 0);
    options->addWidget(edNewPassword, 3, 1, 1, 3);
    options->addWidget(cbNumber, 4, 0);
    options->addWidget(edIdFrom, 4, 1);
    options->addWidget(lbStep, 4, 2);
    options->addWidget(edIdStep, 4, 3);
    options->addWidget(lbLog, 5, 0);
    options->addWidget(edLog, 5, 1, 1, 3);
    options->addWidget(btnLog, 5, 4);
    options->addWidget(cbWatch, 6, 0, 1, 4);
    options->setColumnStretch(1, 2);
    options->setColumnStretch(3, 1);

    edTotals = Named(new QLineEdit(this), "edTotals");
    edStatus = Named(new QLineEdit(this), "edStatus");
    for (QLineEdit* e : {edTotals, edStatus}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    btnStart = Named(new QPushButton("&Start", this), "btnStart");
    btnRetry = Named(new QPushButton("&Retry Failed", this), "btnRetry");
    btnCheck = Named(new QPushButton("C&heck Radios", this), "btnCheck");
    btnStop = Named(new QPushButton("St&op", this), "btnStop");
    btnClose = Named(new QPushButton("&Close", this), "btnClose");
    for (QPushButton* b : {btnRefresh, btnCheck, btnStop, btnClose}) b->setAutoDefault(false);

    auto* ports = new QHBoxLayout;
    ports->addWidget(btnRefresh);
    ports->addStretch(1);
    auto* settings = new QHBoxLayout;
    settings->addWidget(gbData, 2);
    settings->addWidget(gbOptions, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnStart);
    buttons->addWidget(btnRetry);
    buttons->addWidget(btnCheck);
    buttons->addWidget(btnStop);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tbPorts, 1);
    layout->addLayout(ports);
    layout->addLayout(settings);
    layout->addWidget(edTotals);
    layout->addWidget(edStatus);
    layout->addLayout(buttons);
    dataGrid->setRowStretch(2, 1);
}

}  // namespace lm
