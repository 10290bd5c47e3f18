#include "environment/Format.h"
#include "environment/VersionResource.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// Any bytes as a version resource (the file of an executable is outside
// input): the parser reads nothing outside the bytes (the sanitizers watch),
// and no value or text it finds is longer than the bytes it came from.
namespace {

using namespace typ;

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckPath(const TVersionResource& resource, const std::u16string& path, std::size_t size) {
    const auto value = resource.QueryValue(path);
    const auto text = resource.Text(path);
    Check(value.has_value() == text.has_value());
    if (value) {
        Check(value->size() <= size);
        Check(text->size() * 2 <= value->size());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TVersionResource resource(std::string(reinterpret_cast<const char*>(data), size));
    CheckPath(resource, u"\\", size);
    CheckPath(resource, u"\\VarFileInfo\\Translation", size);
    if (const auto translation = resource.Translation()) {
        const std::u16string table =
            u"\\StringFileInfo\\" +
            Format(u"%.4x%.4x", {*translation & 0xFFFF, *translation >> 16});
        CheckPath(resource, table, size);
        CheckPath(resource, table + u"\\FileVersion", size);
    }
    if (resource.FixedFileInfo())
        Check(resource.FixedFileInfo()->Signature == 0xFEEF04BD);
    return 0;
}
