#include "globals/globals.h"

namespace lm {

Preferences gPreferences;
TransferSession gSession;
TLanguage gLanguage;
TALL gAll;
TDocument gDocument(gAll);

}  // namespace lm
