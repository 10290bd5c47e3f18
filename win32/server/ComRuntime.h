#pragma once

#include "server/ServerContext.h"

#include <windows.h>

namespace typ::win {

// The thread's single-threaded apartment for the life of the scope.
class TApartment {
public:
    TApartment();
    ~TApartment();
    TApartment(const TApartment&) = delete;
    TApartment& operator=(const TApartment&) = delete;
};

// The class object offered to the platform for one creation, for the life of
// the scope.
class TClassObjectRegistration {
public:
    TClassObjectRegistration(REFCLSID clsid, const TServerContext& context);
    ~TClassObjectRegistration();
    TClassObjectRegistration(const TClassObjectRegistration&) = delete;
    TClassObjectRegistration& operator=(const TClassObjectRegistration&) = delete;

private:
    DWORD FCookie = 0;
};

} // namespace typ::win
