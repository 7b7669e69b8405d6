#pragma once
// A command on one data file, its first operand: the base checks the command line, locks the file when the
// command changes it, loads it and hands the command the loaded document.
#include <iosfwd>
#include <optional>
#include <string>

#include "command.h"
#include "core/edit_lock.h"
#include "core/state.h"
#include "session.h"

namespace lm::cli {

class FileCommand : public Command {
public:
    int Run(const ParsedArgs& args, std::ostream& out, std::ostream& err) final;

protected:
    // The checks of the command line that come before the file is touched; it must leave at least one
    // operand.
    virtual void Check(const ParsedArgs& args) = 0;
    // True when the command saves the file: it is then locked from before its load until after its save, so
    // that no other program's change is lost.
    virtual bool Changes(const ParsedArgs& /*args*/) const { return false; }
    // The work on the loaded document. Returns an exit status or throws UsageError / Failure.
    virtual int Work(const ParsedArgs& args, TALL& document, std::ostream& out, std::ostream& err) = 0;

    // The data file, as given.
    const std::string& Path() const { return path_; }
    // Saves the document as the data file; throws Failure when it cannot.
    void Save(TALL& document) const;

private:
    std::string path_;
};

}  // namespace lm::cli
