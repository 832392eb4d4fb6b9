#include "RawRequests.h"

#include "app/FormMain.h"

namespace pages::information {

RawRequests::RawRequests(TFormMain& form) : form_(form) {}

} // namespace pages::information
