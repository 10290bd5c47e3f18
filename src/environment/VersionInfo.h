#pragma once

#include "environment/VersionResource.h"
#include "platform/Clock.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace typ {

// Code page of a translation.
enum TVersionCharSet {
    vcsASCII,
    vcsJapan,
    vcsKorea,
    vcsTaiwan,
    vcsUnicode,
    vcsEasternEuropean,
    vcsCyrillic,
    vcsMultilingual,
    vcsGreek,
    vcsTurkish,
    vcsHebrew,
    vcsArabic,
    vcsUnknown,
};

// A four-part version: MS holds parts 1 and 2 (high and low word), LS parts 3
// and 4. All() gives the four 16-bit words in memory order: low MS, high MS,
// low LS, high LS (so 1.2.3.4 reads (2, 1, 4, 3)).
struct TLongVersion {
    std::uint32_t MS = 0;
    std::uint32_t LS = 0;

    std::array<std::uint16_t, 4> All() const;
};

// The charset whose code page is the one given; vcsUnknown for any other.
TVersionCharSet VersionCharSetOf(std::uint16_t codePage);
// The Spanish name of a language identifier; empty when it is not known.
std::u16string LanguageName(std::uint16_t languageId);

// The version resource of an executable or library file and its parts. When
// the file has none (or does not exist) the object is not valid and every
// property has its empty value.
class TVersionInfo {
public:
    explicit TVersionInfo(std::u16string fileName);

    const std::u16string& FileName() const { return FFileName; }
    // Reads the new file's resource in place of the old one.
    void SetFileName(std::u16string fileName);

    bool Valid() const { return FResource.has_value(); }
    // None when not valid or the resource has no fixed record.
    const TFixedFileInfo* FixedFileInfo() const;
    TLongVersion FileLongVersion() const;
    TLongVersion ProductLongVersion() const;
    // The first translation: language in the low 16 bits, code page in the high.
    std::optional<std::uint32_t> Translation() const;
    TVersionCharSet VersionCharSet() const;
    std::int32_t VersionNum() const;

    // A string value of the first translation; empty when absent.
    std::u16string GetVerValue(const std::u16string& verName) const;
    // Language and code page as eight upper-case hexadecimal digits.
    std::u16string GetTranslationString() const;
    static std::u16string LongVersionToString(const TLongVersion& version);

    std::u16string Comments() const { return GetVerValue(u"Comments"); }
    std::u16string CompanyName() const { return GetVerValue(u"CompanyName"); }
    std::u16string FileDescription() const { return GetVerValue(u"FileDescription"); }
    std::u16string InternalName() const { return GetVerValue(u"InternalName"); }
    std::u16string LegalCopyright() const { return GetVerValue(u"LegalCopyright"); }
    std::u16string LegalTrademarks() const { return GetVerValue(u"LegalTrademarks"); }
    std::u16string OriginalFilename() const { return GetVerValue(u"OriginalFilename"); }
    std::u16string ProductName() const { return GetVerValue(u"ProductName"); }
    std::u16string SpecialBuild() const { return GetVerValue(u"SpecialBuild"); }
    std::u16string PrivateBuild() const { return GetVerValue(u"PrivateBuild"); }
    // The string value, else (when valid) the fixed record's version as text.
    std::u16string FileVersion() const;
    std::u16string ProductVersion() const;
    // The file's last change; all zero when the file does not exist.
    TDateTime VerFileDate() const;
    std::u16string Language() const;

private:
    void ReadVersionInfo();

    std::u16string FFileName;
    std::optional<TVersionResource> FResource;
};

} // namespace typ
