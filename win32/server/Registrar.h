#pragma once

#include "server/TypeLibrary.h"

#include <windows.h>

namespace typ::win {

// Writes (register) or removes (unregister) the type library's registration and
// the class entries, under the machine-wide classes root or, per user, under
// the current user's classes. Registration throws EPlatformError at the first
// failure, leaving what was written before; unregistration never fails.
void UpdateRegistration(bool doRegister, bool perUser, const TServerTypeLibrary& library,
                        REFCLSID clsid);

} // namespace typ::win
