#include "PictureTable.h"

#include <charconv>
#include <stdexcept>
#include <vector>

namespace typ::pictures {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::uint32_t ParseColour(std::string_view hex) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
    if (hex.size() != 6 || error != std::errc{} || end != hex.data() + hex.size())
        throw std::runtime_error("bad colour '" + std::string(hex) + "'");
    return value;
}

void ApplyCompose(TPictureRecipe& recipe, std::string_view compose) {
    for (std::string_view step : Split(compose, ' ')) {
        if (step.empty())
            continue;
        const std::size_t equals = step.find('=');
        const std::string_view key = step.substr(0, equals);
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view{} : step.substr(equals + 1);
        if (value.empty())
            throw std::runtime_error("composition '" + std::string(step) + "' has no value");
        if (key == "overlay")
            recipe.Overlay = value;
        else if (key == "badge" && value.size() <= 2)
            recipe.Badge = value;
        else if (key == "tint")
            recipe.Tint = ParseColour(value);
        else
            throw std::runtime_error("unknown composition '" + std::string(step) + "'");
    }
}

} // namespace

std::map<std::string, TPictureRecipe, std::less<>> ParsePictureTable(std::string_view aText) {
    std::map<std::string, TPictureRecipe, std::less<>> table;
    int number = 0;
    for (std::string_view line : Split(aText, '\n')) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        try {
            const auto fields = Split(line, '\t');
            if (fields.size() < 2 || fields.size() > 3 || fields[0].empty() || fields[1].empty())
                throw std::runtime_error("expected name, source and an optional composition");
            TPictureRecipe recipe{std::string(fields[1]), {}, {}, {}};
            if (fields.size() == 3)
                ApplyCompose(recipe, fields[2]);
            if (!table.emplace(std::string(fields[0]), recipe).second)
                throw std::runtime_error("'" + std::string(fields[0]) + "' is given twice");
        } catch (const std::runtime_error& error) {
            throw std::runtime_error("picture table line " + std::to_string(number) + ": " +
                                     error.what());
        }
    }
    return table;
}

} // namespace typ::pictures
