#include "windows/compare/compare_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "core/datafile.h"
#include "settings/language.h"
#include "widgets/file_dialogs.h"
#include "widgets/message_box.h"
#include "widgets/translate.h"
#include "widgets/window_language.h"

namespace lm {

namespace {

constexpr int kColumns = 3;
constexpr QSize kStartSize{640, 400};
const QString kArrow = QStringLiteral(" \u2192 ");
const QString kBetween = QStringLiteral(" \u2194 ");
constexpr const char* kOpenTitle = "Compare With File";

// The title of the open dialog, as the window's section translates it (the window comes after the dialog).
std::string OpenTitle() {
    QWidget form;
    form.setObjectName("fCompare");
    auto* title = new QLabel(QString::fromLatin1(kOpenTitle), &form);
    title->setObjectName("lOpenTitle");
    TranslateOnOpen(&form, false);
    return title->text().toStdString();
}

}  // namespace

TfCompare::TfCompare(QWidget* parent, std::vector<Difference> differences, CompareWith with,
                     const std::string& fileName)
    : QDialog(parent), differences_(std::move(differences)) {
    setObjectName("fCompare");
    setWindowTitle("Compare");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    gvDiff = new QTableWidget(this);
    gvDiff->setObjectName("gvDiff");
    SetTag(gvDiff, kTagNoItems);  // the headings come from the words below
    gvDiff->setColumnCount(kColumns);
    gvDiff->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gvDiff->setSelectionBehavior(QAbstractItemView::SelectRows);
    gvDiff->verticalHeader()->setVisible(false);
    gvDiff->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    gvDiff->horizontalHeader()->setStretchLastSection(true);
    lSame = new QLabel("The images are the same.", this);
    lSame->setObjectName("lSame");
    lSame->setAlignment(Qt::AlignCenter);
    btnCopy = new QPushButton("Co&py", this);
    btnCopy->setObjectName("btnCopy");
    btnClose = new QPushButton("&Close", this);
    btnClose->setObjectName("btnClose");

    lMemory = AddWord("lMemory", "memory");
    lRadio = AddWord("lRadio", "radio");
    lEmpty = AddWord("lEmpty", "(empty)");
    AddWord("lOpenTitle", kOpenTitle);
    lItem = AddWord("lItem", "Item");
    lInMemory = AddWord("lInMemory", "In memory");
    lInFile = AddWord("lInFile", "In file");
    lInRadio = AddWord("lInRadio", "In radio");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnCopy);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gvDiff);
    layout->addWidget(lSame);
    layout->addLayout(buttons);
    resize(kStartSize);

    connect(btnCopy, &QPushButton::clicked, this, &TfCompare::CopyList);
    connect(btnClose, &QPushButton::clicked, this, &TfCompare::accept);

    TranslateOnOpen(this, false);
    Fill(with, fileName);
}

QLabel* TfCompare::AddWord(const char* name, const char* text) {
    auto* word = new QLabel(text, this);
    word->setObjectName(name);
    word->setVisible(false);
    return word;
}

QString TfCompare::Shown(const std::string& text) const {
    return text.empty() ? lEmpty->text() : QString::fromStdString(text);
}

void TfCompare::Fill(CompareWith with, const std::string& fileName) {
    const bool file = with == CompareWith::File;
    const QString other = file ? QFileInfo(QString::fromStdString(fileName)).fileName() : lRadio->text();
    setWindowTitle(windowTitle() + ": " + lMemory->text() + kBetween + other);
    gvDiff->setHorizontalHeaderLabels(
        {lItem->text(), lInMemory->text(), (file ? lInFile : lInRadio)->text()});

    gvDiff->setRowCount(static_cast<int>(differences_.size()));
    for (int r = 0; r < gvDiff->rowCount(); ++r) {
        const Difference& d = differences_[static_cast<std::size_t>(r)];
        gvDiff->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(d.label)));
        gvDiff->setItem(r, 1, new QTableWidgetItem(Shown(d.before)));
        gvDiff->setItem(r, 2, new QTableWidgetItem(Shown(d.after)));
    }
    gvDiff->setVisible(!differences_.empty());
    lSame->setVisible(differences_.empty());
    btnCopy->setEnabled(!differences_.empty());
}

QString TfCompare::ListText() const {
    if (differences_.empty()) return lSame->text() + "\n";
    QString text;
    for (const Difference& d : differences_)
        text += QString::fromStdString(d.label) + ": " + Shown(d.before) + kArrow + Shown(d.after) + "\n";
    return text;
}

void TfCompare::CopyList() const { QApplication::clipboard()->setText(ListText()); }

void ShowCompareWindow(QWidget* parent, const std::vector<Difference>& differences, CompareWith with,
                       const std::string& fileName) {
    TfCompare window(parent, differences, with, fileName);
    window.exec();
}

bool RunCompareWithFile(QWidget* parent, const TALL& radio) {
    const std::string path = ChooseOpenFile(parent, OpenTitle());
    if (path.empty()) return false;
    // The file gets an image of its own, loaded as Open loads it; the image in memory is not touched.
    TALL file = radio;
    const DataFileResult result = LoadDataFile(file, path);
    if (!result.ok) {
        ShowInformation(WindowMessageText(result.messageKey, result.text));
        return false;
    }
    ShowCompareWindow(parent, DiffImages(radio, file, kImageBytes, CurrentLanguageLookup()),
                      CompareWith::File, path);
    return true;
}

}  // namespace lm
