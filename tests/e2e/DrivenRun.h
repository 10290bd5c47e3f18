#pragma once

#include "ProcessRunner.h"
#include "WindowDriver.h"

#include <chrono>
#include <string>
#include <vector>

namespace typ::win {

// Runs a host program (typhost) while a person drives the editor it opens as
// the request says; a host that had to be ended leaves no editor behind.
TProcessResult RunDriven(const std::wstring& program, const std::vector<std::wstring>& args,
                         const TDriveRequest& request, TDriveResult& drive,
                         std::chrono::milliseconds timeout = std::chrono::seconds(60));

// The first visible dialog box of the window's process, waited for a while;
// null when none showed.
HWND WaitForDialogOf(HWND window, std::chrono::milliseconds wait = std::chrono::seconds(10));

// What a message box says: the texts of its labels, in order.
std::wstring DialogMessage(HWND dialog);

} // namespace typ::win
