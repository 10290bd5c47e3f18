#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>

namespace typ::test {

// Runs any bytes as a script of editor actions on a new grid editor, calling
// the core where the editor window does: key cycles (key-downs with their
// auto-repeat, the characters they deliver, one key-up) with any modifiers,
// mouse selections, Pegar of any text, the clipboard, line, undo, search,
// replace and Dibujar commands, and new pages. After every complete action it
// checks the grid's shape (GridShapeFault), allowing only what the editor
// documents as leaving the page otherwise (see GridScript.cpp).
//
// Empty when the shape held throughout, else the failing action and the fault.
// With a trace, every action is written to it, one line each.
std::string RunGridScript(std::span<const std::uint8_t> script, std::ostream* trace = nullptr);

} // namespace typ::test
