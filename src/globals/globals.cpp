// The program's one state record, channel record and message table. The windows and the single-radio
// commands of lm418t-cli work on these; the engine takes what it works on as a parameter.
#include "core/channel.h"
#include "core/state.h"
#include "settings/language.h"

namespace lm {

TALL gAll;
TChannel gChannel;
TLanguage gLanguage;

}  // namespace lm
