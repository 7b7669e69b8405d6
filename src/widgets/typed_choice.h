#pragma once
// Choosing by typing in a list-only drop-down box: the typed characters choose the first item that begins
// with everything typed within a short pause, without regard to case (ChooseByTyping). The box keeps its
// focus and stays open; Enter, Tab, a click or leaving it confirm the choice as before. In the box's open
// list the typed characters mark the item in the same way, for Enter or a click to pick.
#include <QElapsedTimer>
#include <QObject>
#include <string>

class QAbstractItemView;
class QComboBox;

namespace lm {

class TypedChoice : public QObject {
    Q_OBJECT

public:
    // Installs the choice on box (owned by it) and returns it.
    static TypedChoice* Install(QComboBox* box);

signals:
    // Typing chose the item index (it is the box's current item now).
    void chosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TypedChoice(QComboBox* box);
    QComboBox* box_;
    QAbstractItemView* list_ = nullptr;  // the box's list
    std::string typed_;
    QElapsedTimer sinceLastKey_;
};

}  // namespace lm
