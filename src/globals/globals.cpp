#include "globals/globals.h"

namespace lm {

TALL gAll;
TChannel gChannel;
TLanguage gLanguage;

}  // namespace lm
