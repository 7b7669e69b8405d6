#include "windows/editors/function_windows.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>

#include "core/settings_access.h"
#include "widgets/translate.h"

namespace lm {

namespace {

QListWidget* HiddenList(const char* name, const char* itemsOf, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    for (const std::string& item : FindSettingByComponent(SettingWindow::KeyFunction, itemsOf)->items)
        list->addItem(QString::fromStdString(item));
    list->setVisible(false);
    return list;
}

template <typename W>
QWidget* Loaded(TDocument& document) {
    auto* window = new W(document);
    window->Load();
    return window;
}

}  // namespace

TfKeyFun::TfKeyFun(TDocument& document, QWidget* parent)
    : SettingsWindow(SettingWindow::KeyFunction, "fKeyFun", {314, 306}, document, parent) {
    SetTag(Row("cxLongTime", this, 16, 16), kTagNoItems);
    QGroupBox* key1 = Group("Lkey1", "Key - 1", {8, 52, 298, 96}, this);
    keys_[0] = Row("cxKey1_S", key1, 12, 26, 124);
    keys_[1] = Row("cxKey1_L", key1, 12, 60, 124);
    QGroupBox* key2 = Group("Lkey2", "Key - 2", {8, 156, 298, 96}, this);
    keys_[2] = Row("cxKey2_S", key2, 12, 26, 124);
    keys_[3] = Row("cxKey2_L", key2, 12, 60, 124);
    for (QComboBox* key : keys_) SetTag(key, kTagNoItems);
    listLong_ = HiddenList("List_Long", "cxKey1_L", this);
    listShort_ = HiddenList("List_Short", "cxKey1_S", this);
    CloseButton(231, 270);
}

void TfKeyFun::Prepare() {
    Fill(keys_[0], listShort_);
    Fill(keys_[1], listLong_);
    Fill(keys_[2], listShort_);
    Fill(keys_[3], listLong_);
}

// The selector receives the list's entries whose English item the state offers.
void TfKeyFun::Fill(QComboBox* combo, const QListWidget* list) {
    const Setting& s = *FindSettingByComponent(SettingWindow::KeyFunction, combo->objectName().toStdString());
    const std::vector<std::string> offered = OfferedItems(Document().State(), s);
    combo->clear();
    std::size_t next = 0;
    for (int i = 0; i < list->count() && i < int(s.items.size()); ++i) {
        if (next < offered.size() && offered[next] == s.items[std::size_t(i)]) {
            combo->addItem(list->item(i)->text());
            ++next;
        }
    }
}

TfVoxFun::TfVoxFun(TDocument& document, QWidget* parent)
    : SettingsWindow(SettingWindow::VoxFunction, "fVoxFun", {314, 192}, document, parent) {
    QGroupBox* frame = Group("L0", "Vox Function", {8, 8, 298, 136}, this);
    SetTag(Row("cxVox", frame, 12, 28), kTagFirstItemOnly);
    Row("cxVoxDely", frame, 12, 64);
    Row("cxRxDis", frame, 12, 100);
    CloseButton(231, 156);
}

TfOptFun::TfOptFun(TDocument& document, QWidget* parent)
    : SettingsWindow(SettingWindow::OptionalFunction, "fOptFun", {512, 241}, document, parent) {
    QGroupBox* frame = Group("Panel1", "", {8, 8, 496, 190}, this);
    const char* left[] = {"cxSQL", "cxWavs", "cxTone", "cxTxInhibit", "cxWhisper"};
    const char* right[] = {"cxTot", "cxRate", "cxAlt", "cxSOS", "cxWavsChs"};
    for (int i = 0; i < 5; ++i) {
        Row(left[i], frame, 8, 14 + 34 * i, 90);
        Row(right[i], frame, 254, 14 + 34 * i, 90);
    }
    SetTag(findChild<QComboBox*>("cxSQL"), kTagNoItems);
    SetTag(findChild<QComboBox*>("cxTot"), kTagFirstItemOnly);
    for (const char* hidden : {"cxVol", "cxFMVol", "cxFM"})
        Binder().Combo(hidden, this, false)->setVisible(false);
    CloseButton(429, 206);
}

TfScanFun::TfScanFun(TDocument& document, QWidget* parent)
    : SettingsWindow(SettingWindow::ScanInformation, "fScanFun", {314, 230}, document, parent) {
    QGroupBox* frame = Group("L0", "Scan Information", {8, 8, 298, 174}, this);
    Row("cxScanSpeed", frame, 12, 28);
    Row("cxScanDely", frame, 12, 64);
    Row("cxPriCh", frame, 12, 100);
    Row("cxScanMode", frame, 12, 136);
    CloseButton(231, 194);

    QGroupBox* fm = Group("L5", "FM Scan Information", {8, 8, 298, 60}, this);
    fm->setVisible(false);
    Label("L6", "FM Scan bound[MHz]", fm, 8, 24);
    int x = 150;
    for (const char* bound : {"cxFM_Min", "cxFM_Max"}) {
        auto* edit = new QLineEdit(fm);
        edit->setObjectName(bound);
        edit->setReadOnly(true);
        edit->setGeometry(x, 24, 60, 22);
        Binder().Text(
            bound, [edit] { return edit->text(); }, [edit](const QString& t) { edit->setText(t); });
        x += 76;
    }
}

QWidget* CreateKeyFunctionWindow(TDocument& document) { return Loaded<TfKeyFun>(document); }
QWidget* CreateVoxFunctionWindow(TDocument& document) { return Loaded<TfVoxFun>(document); }
QWidget* CreateOptionalFunctionWindow(TDocument& document) { return Loaded<TfOptFun>(document); }
QWidget* CreateScanInfoWindow(TDocument& document) { return Loaded<TfScanFun>(document); }

}  // namespace lm
