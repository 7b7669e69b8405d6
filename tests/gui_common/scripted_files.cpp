#include "scripted_files.h"

namespace lm {

ScriptedFiles::ScriptedFiles() : previous_(SetFileChooser(this)) {}

ScriptedFiles::~ScriptedFiles() { SetFileChooser(previous_ == this ? nullptr : previous_); }

std::string ScriptedFiles::Next() {
    if (answers_.empty()) return {};
    std::string path = answers_.front();
    answers_.pop_front();
    return path;
}

std::string ScriptedFiles::ChooseOpen(QWidget*, const std::string& title) {
    ++opens_;
    title_ = title;
    return Next();
}

std::string ScriptedFiles::ChooseSave(QWidget*, const std::string& title) {
    ++saves_;
    title_ = title;
    return Next();
}

}  // namespace lm
