#pragma once

#include <windows.h>
#include <string>

namespace typ::win {

// Creates the key (and its parents) and writes its default value as a string.
// Throws EPlatformError with the platform's code when either step fails.
void WriteDefaultValue(HKEY root, const std::wstring& key, const std::wstring& value);
// Deletes a key without subkeys; a key that is not there is no error, and
// neither is any other failure: unregistration always completes.
void DeleteKey(HKEY root, const std::wstring& key);

} // namespace typ::win
