#pragma once

#include <string>

namespace typ::win::test {

// Installs, once per Wine prefix, a PostScript printer (Wine's PostScript
// driver over a small A4/Letter description) called `name`, printing to
// `port` (a file path, or "FILE:"). It is not made the default printer.
// Throws std::runtime_error when it cannot be installed.
void EnsureTestPrinter(const std::wstring& name, const std::wstring& port);

} // namespace typ::win::test
