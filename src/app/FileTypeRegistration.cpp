#include "app/FileTypeRegistration.h"

namespace vsm {

// The desktop association is not installed yet; the start goes on without it.
void RegisterFileType(const AppFolder&) {}

}  // namespace vsm
