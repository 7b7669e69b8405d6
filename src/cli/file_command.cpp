#include "file_command.h"

#include "session.h"

namespace lm::cli {

int FileCommand::Run(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    Check(args);
    if (args.Operands.empty()) throw UsageError("missing FILE.dat");
    path_ = args.Operands[0];
    EditLock lock;
    if (Changes(args)) lock = LockOrFail(path_);
    TALL& document = program().document;
    LoadOrFail(program().messages, document, path_);
    return Work(args, document, out, err);
}

void FileCommand::Save(TALL& document) const { SaveOrFail(program().messages, document, path_); }

}  // namespace lm::cli
