#include "widgets/editor_hooks.h"

namespace lm {

namespace {
EditorHost* gHost = nullptr;
}  // namespace

EditorHost* TheEditorHost() { return gHost; }

void SetEditorHost(EditorHost* host) { gHost = host; }

}  // namespace lm
