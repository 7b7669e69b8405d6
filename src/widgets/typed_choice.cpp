#include "widgets/typed_choice.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <vector>

#include "core/item_text.h"

namespace lm {

TypedChoice::TypedChoice(QComboBox* box) : QObject(box), box_(box) {}

TypedChoice* TypedChoice::Install(QComboBox* box) {
    auto* choice = new TypedChoice(box);
    choice->list_ = box->view();  // made now, before the box is watched
    choice->list_->installEventFilter(choice);
    box->installEventFilter(choice);
    return choice;
}

bool TypedChoice::eventFilter(QObject* watched, QEvent* event) {
    const bool list = watched == list_;
    if ((watched != box_ && !list) || event->type() != QEvent::KeyPress || box_->isEditable())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0)
        return QObject::eventFilter(watched, event);
    if (!sinceLastKey_.isValid() || sinceLastKey_.elapsed() > QApplication::keyboardInputInterval())
        typed_.clear();
    // A blank that begins the typing opens the list (or picks in it), as before.
    if (typed_.empty() && text == " ") return QObject::eventFilter(watched, event);
    sinceLastKey_.start();
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(box_->count()));
    for (int i = 0; i < box_->count(); ++i) items.push_back(box_->itemText(i).toStdString());
    const int index = ChooseByTyping(items, typed_, text.toStdString());
    if (index < 0) return true;
    if (list) {
        // In the open list the item is marked; Enter or a click picks it as before.
        list_->setCurrentIndex(box_->model()->index(index, box_->modelColumn(), box_->rootModelIndex()));
    } else if (index != box_->currentIndex()) {
        box_->setCurrentIndex(index);
        emit chosen(index);
    }
    return true;
}

}  // namespace lm
