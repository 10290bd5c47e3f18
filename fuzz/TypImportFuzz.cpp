#include "editor/GridEditor.h"
#include "editor/TypFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any bytes as a TYP file: decoding never fails, the text it gives is what
// the grid accepts (no NUL, only CR LF breaks), writing it back in the same
// encoding and reading that again gives the same text, and the page derived
// from it normalises the text into exactly that shape.
namespace {

using namespace typ;

// Pages beyond this are left out: normalising them takes too long per input.
constexpr std::int64_t kMaxFuzzedCells = 1 << 16;

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckLineBreaks(std::u16string_view text) {
    Check(text.find(u'\0') == std::u16string_view::npos);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r')
            Check(i + 1 < text.size() && text[i + 1] == u'\n');
        if (text[i] == u'\n')
            Check(i > 0 && text[i - 1] == u'\r');
    }
}

void CheckPage(std::u16string_view text) {
    const TTypPageSize size = TypPageSize(text);
    Check(size.Width >= 0 && size.Height >= 0);
    if ((static_cast<std::int64_t>(size.Width) + 2) * size.Height > kMaxFuzzedCells)
        return;
    static TGridEditor grid; // made once: a new one normalises a default page
    grid.Editor().SetText(text);
    grid.SetPageSize(size.Width, size.Height);
    // A page 0 wide is all line breaks, of which normalising drops the last.
    if (size.Width == 0)
        return;
    const TMemo& memo = grid.Editor();
    Check(memo.TextLength() == size.Height * (size.Width + 2) - 2);
    Check(TypPageSize(memo.Text()) == size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TTypText decoded = DecodeTyp(bytes);
    CheckLineBreaks(decoded.Text);
    const TTypText again = DecodeTyp(EncodeTyp(decoded.Text, decoded.Encoding));
    Check(again.Text == decoded.Text);
    Check(again.Encoding == decoded.Encoding || decoded.Encoding == TTypEncoding::Windows1252);
    CheckPage(decoded.Text);
    return 0;
}
