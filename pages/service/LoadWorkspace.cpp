#include "LoadWorkspace.h"

#include "app/FormMain.h"

namespace pages::service {

LoadWorkspace::LoadWorkspace(TFormMain& form) : form_(form) {}

} // namespace pages::service
