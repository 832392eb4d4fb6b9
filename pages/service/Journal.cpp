#include "Journal.h"

#include "app/FormMain.h"

namespace pages::service {

Journal::Journal(TFormMain& form) : form_(form) {}

} // namespace pages::service
