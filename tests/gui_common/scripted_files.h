#pragma once
// A file chooser for tests: answers each dialog with the next path of its queue ("" = Cancel, also when
// empty). Installed while it lives.
#include <deque>
#include <string>

#include "widgets/file_dialogs.h"

namespace lm {

class ScriptedFiles : public FileChooser {
public:
    ScriptedFiles();
    ~ScriptedFiles() override;
    ScriptedFiles(const ScriptedFiles&) = delete;
    ScriptedFiles& operator=(const ScriptedFiles&) = delete;

    void Answer(const std::string& path) { answers_.push_back(path); }
    using FileChooser::ChooseOpen;
    using FileChooser::ChooseSave;
    std::string ChooseOpen(QWidget* parent, const std::string& title) override;
    std::string ChooseSave(QWidget* parent, const std::string& title) override;
    int opened() const { return opens_; }
    int saved() const { return saves_; }
    // The title of the last dialog answered.
    const std::string& title() const { return title_; }
    void Clear() {
        answers_.clear();
        opens_ = saves_ = 0;
    }

private:
    std::string Next();
    FileChooser* previous_ = nullptr;
    std::deque<std::string> answers_;
    int opens_ = 0;
    int saves_ = 0;
    std::string title_;
};

}  // namespace lm
