#include "windows/channels/option_delegate.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPersistentModelIndex>

#include "core/channel_edit.h"
#include "widgets/fit_contents.h"
#include "widgets/key_filter.h"
#include "widgets/typed_choice.h"

namespace lm {

namespace {

constexpr const char* kCommittedProperty = "lmCommitted";
constexpr const char* kToneCellProperty = "lmToneCell";

void FilterKeys(QLineEdit* edit, std::string_view keys) {
    InstallNumberKeyFilter(edit, QString::fromLatin1(keys.data(), static_cast<qsizetype>(keys.size())));
}

}  // namespace

OptionDelegate::OptionDelegate(ChannelTableModel::BoxItems items, QObject* parent)
    : QStyledItemDelegate(parent), items_(std::move(items)) {}

QWidget* OptionDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const FieldEditor editor = static_cast<const ChannelTableModel*>(index.model())->EditorOf(index);
    switch (editor.kind) {
        case EditorKind::Typed: {
            auto* edit = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
            if (edit != nullptr) FilterKeys(edit, kFrequencyKeys);
            return edit;
        }
        case EditorKind::ToneBox:
            return ToneBox(parent, editor.box, index);
        case EditorKind::ListBox:
            return ListBox(parent, editor.box);
        case EditorKind::None:
            break;
    }
    return nullptr;
}

QWidget* OptionDelegate::ToneBox(QWidget* parent, const std::string& box, const QModelIndex& index) const {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromStdString(box));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(kListLength);
    combo->addItems(items_(box));
    FilterKeys(combo->lineEdit(), kToneKeys);
    combo->lineEdit()->setProperty(kToneCellProperty, QVariant::fromValue(QPersistentModelIndex(index)));
    combo->lineEdit()->installEventFilter(const_cast<OptionDelegate*>(this));
    auto* self = const_cast<OptionDelegate*>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] { self->Commit(combo); });
    return combo;
}

QWidget* OptionDelegate::ListBox(QWidget* parent, const std::string& box) const {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromStdString(box));
    combo->setMaxVisibleItems(kListLength);
    combo->addItems(items_(box));
    TypedChoice::Install(combo);
    auto* self = const_cast<OptionDelegate*>(this);
    // Picking an item from the list sets it at once; a typed choice waits for Enter, Tab or leaving the box.
    connect(combo, &QComboBox::activated, self, [self, combo] { self->Commit(combo); });
    return combo;
}

void OptionDelegate::Commit(QWidget* editor) {
    if (editor->property(kCommittedProperty).toBool()) return;
    editor->setProperty(kCommittedProperty, true);
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void OptionDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (combo == nullptr) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    if (combo->isEditable()) {
        const QString text = index.data(Qt::EditRole).toString();
        combo->setCurrentIndex(combo->findText(text));
        combo->setEditText(text);
        combo->lineEdit()->selectAll();
    } else {
        combo->setCurrentIndex(index.data(ChannelTableModel::kValueRole).toInt());
    }
}

void OptionDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (combo == nullptr) {
        QStyledItemDelegate::setModelData(editor, model, index);
    } else if (combo->isEditable()) {
        model->setData(index, combo->currentText(), Qt::EditRole);
    } else {
        model->setData(index, combo->currentIndex(), Qt::EditRole);
    }
}

bool OptionDelegate::ConfirmByEnter(QWidget* editor, QEvent* event) {
    if (event->type() != QEvent::KeyPress || editor->property(kCommittedProperty).toBool()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    const bool up = (key->modifiers() & Qt::ShiftModifier) != 0;
    Commit(editor);
    emit movedOn(up ? -1 : 1);
    return true;
}

bool OptionDelegate::eventFilter(QObject* object, QEvent* event) {
    // The line edit of a tone box is watched for Enter and the double-click.
    const QVariant cell = object->property(kToneCellProperty);
    if (cell.isValid()) {
        if (auto* box = qobject_cast<QWidget*>(object->parent());
            box != nullptr && ConfirmByEnter(box, event))
            return true;
        if (event->type() != QEvent::MouseButtonDblClick) return QObject::eventFilter(object, event);
        // The picked tone is stored by the window: the box goes without storing what it holds.
        if (auto* box = qobject_cast<QWidget*>(object->parent())) {
            box->setProperty(kCommittedProperty, true);
            emit closeEditor(box, QAbstractItemDelegate::RevertModelCache);
        }
        emit toneDoubleClicked(cell.value<QPersistentModelIndex>());
        return true;
    }
    auto* w = qobject_cast<QWidget*>(object);
    if (w != nullptr && ConfirmByEnter(w, event)) return true;
    // A box that has already set its value takes no second Enter.
    if (w != nullptr && w->property(kCommittedProperty).toBool()) return event->type() == QEvent::KeyPress;
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace lm
