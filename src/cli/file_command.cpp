#include "file_command.h"

#include "globals/globals.h"
#include "session.h"

namespace lm::cli {

TALL& SessionDocument() { return gAll; }

int FileCommand::Run(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    Check(args);
    if (args.Operands.empty()) throw UsageError("missing FILE.dat");
    path_ = args.Operands[0];
    EditLock lock;
    if (Changes(args)) lock = LockOrFail(path_);
    TALL& document = SessionDocument();
    LoadOrFail(document, path_);
    return Work(args, document, out, err);
}

void FileCommand::Save(TALL& document) const { SaveOrFail(document, path_); }

}  // namespace lm::cli
