#include "ServiceOperations.h"

#include "app/FormMain.h"

namespace pages::service {

ServiceOperations::ServiceOperations(TFormMain& form) : form_(form) {}

} // namespace pages::service
