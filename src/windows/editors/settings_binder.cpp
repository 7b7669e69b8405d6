#include "windows/editors/settings_binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <stdexcept>

#include "core/settings_access.h"
#include "widgets/typed_choice.h"

namespace lm {

SettingsBinder::SettingsBinder(SettingWindow window, TDocument& document, QObject* parent)
    : QObject(parent), window_(window), document_(document) {
    listener_ = document_.AddListener([this](const DocumentEvent& event) {
        // A step undone or redone that changed settings shows again; channel steps leave the window alone.
        if (loading_ || !event.change.settings) return;
        if (event.kind == DocumentEventKind::Undone || event.kind == DocumentEventKind::Redone) LoadValues();
    });
}

SettingsBinder::~SettingsBinder() { document_.RemoveListener(listener_); }

const Setting& SettingsBinder::Find(const char* component) const {
    const Setting* s = FindSettingByComponent(window_, component);
    if (s == nullptr) throw std::logic_error(std::string("no setting for ") + component);
    return *s;
}

QComboBox* SettingsBinder::Combo(const char* component, QWidget* parent, bool storesOnChange) {
    const Setting& s = Find(component);
    auto* combo = new QComboBox(parent);
    combo->setObjectName(component);
    combo->setEditable(false);
    for (const std::string& item : s.items) combo->addItem(QString::fromStdString(item));
    TypedChoice::Install(combo);
    if (storesOnChange) connect(combo, &QComboBox::currentIndexChanged, this, &SettingsBinder::Store);
    bindings_.push_back({&s, combo, nullptr, {}, {}});
    return combo;
}

QCheckBox* SettingsBinder::Check(const char* component, const QString& caption, QWidget* parent) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(component);
    connect(check, &QCheckBox::toggled, this, &SettingsBinder::Store);
    bindings_.push_back({&Find(component), nullptr, check, {}, {}});
    return check;
}

void SettingsBinder::Text(const char* component, std::function<QString()> get,
                          std::function<void(const QString&)> set) {
    bindings_.push_back({&Find(component), nullptr, nullptr, std::move(get), std::move(set)});
}

void SettingsBinder::LoadValues() {
    const bool was = loading_;
    loading_ = true;
    for (const Binding& b : bindings_) LoadOne(b);
    loading_ = was;
}

void SettingsBinder::LoadOne(const Binding& b) {
    const Setting& s = *b.setting;
    if (s.encoding == SettingEncoding::Unbound) return;
    if (b.set) {
        b.set(QString::fromStdString(ReadText(document_.State(), s)));
    } else if (b.check) {
        b.check->setChecked(ReadItem(document_.State(), s) == 1);
    } else if (b.combo) {
        b.combo->setCurrentIndex(ReadItem(document_.State(), s));
    }
}

void SettingsBinder::Store() {
    if (loading_) return;
    loading_ = true;
    document_.Apply(std::string(WindowCaption(window_)), [this](TALL& state) {
        for (const Binding& b : bindings_) StoreOne(b, state);
    });
    loading_ = false;
}

void SettingsBinder::StoreOne(const Binding& b, TALL& state) const {
    const Setting& s = *b.setting;
    if (IsCode(s)) {
        WriteCode(state, s, b.get().toStdString());
    } else if (b.check) {
        WriteItem(state, s, b.check->isChecked() ? 1 : 0);
    } else if (b.combo && s.encoding != SettingEncoding::Unbound && s.encoding != SettingEncoding::FmBound) {
        // The first item with the shown text is stored, so two items translated alike store the first.
        const int item = b.combo->findText(b.combo->currentText());
        if (item >= 0) WriteItem(state, s, item);
    }
}

}  // namespace lm
