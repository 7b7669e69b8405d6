#include "globals/globals.h"

namespace lm {

TALL gAll;
TChannel gChannel;
TLanguage gLanguage;
TDocument gDocument(gAll);

}  // namespace lm
