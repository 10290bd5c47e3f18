#include "environment/StrUtils.h"
#include "logging/IniFile.h"
#include "logging/KeyValueText.h"
#include "logging/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any bytes as Log.Ini: decoding never fails and an ANSI file survives the
// round trip byte for byte; every section the reader finds answers under any
// letter case with trimmed keys and values that hold no line break; and the
// key=value text of the configuration reads back what was stored in it.
namespace {

using namespace typ;

void Check(bool condition) {
    if (!condition)
        std::abort();
}

bool HasBreak(std::u16string_view text) {
    return text.find_first_of(u"\r\n") != std::u16string_view::npos;
}

void CheckSection(const TIniFile& ini, std::u16string_view name) {
    const auto values = ini.SectionValues(name);
    Check(values == ini.SectionValues(LowerCase(name)));
    if (!values.empty())
        Check(ini.SectionExists(name));
    for (const auto& [key, value] : values) {
        Check(key == Trim(key) && value == Trim(value));
        Check(!HasBreak(key) && !HasBreak(value));
        Check(key.find(u'=') == std::u16string::npos);
    }
}

void CheckKeyValueText(const std::u16string& text) {
    const std::u16string stored = SetKeyValue(text, u"ThreadID", u"512345");
    Check(KeyValue(stored, u"threadid") == u"512345");
    Check(!FindKeyValue(SetKeyValue(stored, u"THREADID", u""), u"ThreadID") ||
          FindKeyValue(text, u"ThreadID").has_value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TDecodedText decoded = DecodeText(bytes);
    if (decoded.Encoding == TTextEncoding::Ansi)
        Check(EncodeText(decoded.Text, TTextEncoding::Ansi) == bytes);
    const TIniFile ini(decoded.Text);
    for (std::u16string_view name : {u"GLOBAL", u"LogFileHelp", u"App", u"App_1626", u""})
        CheckSection(ini, name);
    for (const auto& line : SplitLines(decoded.Text)) {
        const std::u16string trimmed = Trim(line);
        if (trimmed.size() >= 2 && trimmed.front() == u'[' && trimmed.back() == u']') {
            const std::u16string name =
                Trim(std::u16string_view(trimmed).substr(1, trimmed.size() - 2));
            Check(ini.SectionExists(name));
            CheckSection(ini, name);
        }
    }
    if (decoded.Text.size() < 4096)
        CheckKeyValueText(decoded.Text);
    return 0;
}
