#include "globals/globals.h"

namespace lm {

TALL gAll;
TLanguage gLanguage;
TDocument gDocument(gAll);

}  // namespace lm
