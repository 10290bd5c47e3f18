#include "KeyScript.h"

#include "editor/Keys.h"

#include <array>
#include <stdexcept>

namespace typ::win {
namespace {

struct TNamedKey {
    std::wstring_view Name;
    TKeyStroke Stroke;
};

constexpr std::array<TNamedKey, 15> kNamedKeys{{
    {L"INS", {vk::Insert, 0}},
    {L"DEL", {vk::Delete, 0}},
    {L"BS", {vk::Back, 0}},
    {L"HOME", {vk::Home, 0}},
    {L"END", {vk::End, 0}},
    {L"LEFT", {vk::Left, 0}},
    {L"RIGHT", {vk::Right, 0}},
    {L"UP", {vk::Up, 0}},
    {L"DOWN", {vk::Down, 0}},
    {L"ENTER", {vk::Return, 0}},
    {L"TAB", {vk::Tab, 0}},
    {L"PGUP", {vk::Prior, 0}},
    {L"PGDN", {vk::Next, 0}},
    {L"F3", {vk::F1 + 2, 0, true}},
    {L"F6", {vk::F1 + 5, 0, true}},
}};

std::string Narrow(std::wstring_view text) {
    std::string narrow;
    for (const wchar_t c : text) {
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

int ModifierOf(wchar_t c) {
    switch (c) {
    case L'+':
        return kShiftKey;
    case L'^':
        return kCtrlKey;
    case L'%':
        return kAltKey;
    default:
        return 0;
    }
}

TKeyStroke NamedKey(std::wstring_view name) {
    int modifiers = 0;
    while (!name.empty() && ModifierOf(name.front()) != 0) {
        modifiers |= ModifierOf(name.front());
        name.remove_prefix(1);
    }
    for (const auto& key : kNamedKeys) {
        if (key.Name == name) {
            TKeyStroke stroke = key.Stroke;
            stroke.Modifiers = modifiers;
            return stroke;
        }
    }
    if (modifiers != 0 && name.size() == 1 && name[0] >= L'A' && name[0] <= L'Z') {
        return {name[0], 0, false, modifiers};
    }
    throw std::invalid_argument("unknown key name {" + Narrow(name) + "}");
}

} // namespace

std::vector<TKeyStroke> ParseKeyScript(std::wstring_view script) {
    std::vector<TKeyStroke> strokes;
    std::size_t i = 0;
    while (i < script.size()) {
        if (script[i] != L'{') {
            strokes.push_back({0, script[i++]});
        } else if (script.substr(i, 2) == L"{{") {
            strokes.push_back({0, L'{'});
            i += 2;
        } else {
            const auto close = script.find(L'}', i);
            if (close == std::wstring_view::npos) {
                throw std::invalid_argument("unterminated key name in \"" + Narrow(script) + "\"");
            }
            strokes.push_back(NamedKey(script.substr(i + 1, close - i - 1)));
            i = close + 1;
        }
    }
    return strokes;
}

} // namespace typ::win
