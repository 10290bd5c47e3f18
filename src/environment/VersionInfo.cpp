#include "environment/VersionInfo.h"

#include "environment/Format.h"
#include "platform/FileSystem.h"

#include <utility>

namespace typ {
namespace {

struct TCharSetEntry {
    std::uint16_t CodePage;
    TVersionCharSet CharSet;
};

constexpr TCharSetEntry kCharSets[] = {
    {0, vcsASCII},       {932, vcsJapan},         {949, vcsKorea},
    {950, vcsTaiwan},    {1200, vcsUnicode},      {1250, vcsEasternEuropean},
    {1251, vcsCyrillic}, {1252, vcsMultilingual}, {1253, vcsGreek},
    {1254, vcsTurkish},  {1255, vcsHebrew},       {1256, vcsArabic},
};

struct TLanguageEntry {
    std::uint16_t Id;
    const char16_t* Name;
};

// Searched in order; the names stand as the system has always shown them.
constexpr TLanguageEntry kLanguages[] = {
    {0x0401, u"Árabe"},
    {0x0402, u"Bulgaro"},
    {0x0403, u"Catalán"},
    {0x0404, u"Chino tradicional"},
    {0x0405, u"Czech"},
    {0x0406, u"Danés"},
    {0x0407, u"Alemán"},
    {0x0408, u"Griego"},
    {0x0409, u"Inglés"},
    {0x040A, u"Español(España-Alfabetización tradicional)"},
    {0x040B, u"Finlandés"},
    {0x040C, u"Francés(Estandár)"},
    {0x040D, u"Hebreo"},
    {0x040E, u"Hungaro"},
    {0x040F, u"Islandés"},
    {0x0410, u"Italiano(Estandár)"},
    {0x0411, u"Japanes"},
    {0x0412, u"Korean"},
    {0x0413, u"Holandés"},
    {0x0414, u"Noruego(Bokmal)"},
    {0x0415, u"Polaco"},
    {0x0416, u"Portugués(Brasileño)"},
    {0x0417, u"RhaetoRomano"},
    {0x0418, u"Romano"},
    {0x0419, u"Ruso"},
    {0x041A, u"Serbo Croata"},
    {0x041B, u"Eslovaco"},
    {0x041C, u"Albano"},
    {0x041D, u"Sueco"},
    {0x041E, u"Thai"},
    {0x041F, u"Turco"},
    {0x0420, u"Urdu"},
    {0x0421, u"Indonesio"},
    {0x042D, u"Vasco"},
    {0x0436, u"Africaans"},
    {0x0804, u"Chino Simplificado"},
    {0x0807, u"Alemán(Suizo)"},
    {0x0809, u"Inglés(Británico)"},
    {0x080A, u"Español(Mexico)"},
    {0x080C, u"Francés (Belga)"},
    {0x0810, u"Italiano(Suiza)"},
    {0x0813, u"Holandés(Belga)"},
    {0x0814, u"Noruego(Nynorsk)"},
    {0x0816, u"Portugués(Estandár)"},
    {0x081A, u"Serbo Croata"},
    {0x0C07, u"Alemán (Austríaco"},
    {0x0C09, u"Inglés(Australiano"},
    {0x0C0A, u"Español(España-Alfabetización tradicional)"},
    {0x0C0C, u"Francés(Canadiense)"},
    {0x100C, u"Francés(Suiza)"},
    {0x2C0A, u"Español(Argentina)"},
    {0x0000, u"Desconocido"},
};

// The sub-block path is held in 255 characters, which bounds the value name.
constexpr std::size_t kMaxSubBlock = 255;

} // namespace

std::array<std::uint16_t, 4> TLongVersion::All() const {
    return {static_cast<std::uint16_t>(MS & 0xFFFF), static_cast<std::uint16_t>(MS >> 16),
            static_cast<std::uint16_t>(LS & 0xFFFF), static_cast<std::uint16_t>(LS >> 16)};
}

TVersionCharSet VersionCharSetOf(std::uint16_t codePage) {
    for (const auto& entry : kCharSets)
        if (entry.CodePage == codePage)
            return entry.CharSet;
    return vcsUnknown;
}

std::u16string LanguageName(std::uint16_t languageId) {
    for (const auto& entry : kLanguages)
        if (entry.Id == languageId)
            return entry.Name;
    return {};
}

TVersionInfo::TVersionInfo(std::u16string fileName) : FFileName(std::move(fileName)) {
    ReadVersionInfo();
}

void TVersionInfo::SetFileName(std::u16string fileName) {
    FFileName = std::move(fileName);
    ReadVersionInfo();
}

void TVersionInfo::ReadVersionInfo() {
    FResource.reset();
    auto bytes = FileSystem().VersionResource(FFileName);
    if (bytes && !bytes->empty())
        FResource.emplace(std::move(*bytes));
}

const TFixedFileInfo* TVersionInfo::FixedFileInfo() const {
    return Valid() && FResource->FixedFileInfo() ? &*FResource->FixedFileInfo() : nullptr;
}

TLongVersion TVersionInfo::FileLongVersion() const {
    const TFixedFileInfo* fixed = FixedFileInfo();
    return fixed ? TLongVersion{fixed->FileVersionMS, fixed->FileVersionLS} : TLongVersion{};
}

TLongVersion TVersionInfo::ProductLongVersion() const {
    const TFixedFileInfo* fixed = FixedFileInfo();
    return fixed ? TLongVersion{fixed->ProductVersionMS, fixed->ProductVersionLS} : TLongVersion{};
}

std::optional<std::uint32_t> TVersionInfo::Translation() const {
    return Valid() ? FResource->Translation() : std::nullopt;
}

TVersionCharSet TVersionInfo::VersionCharSet() const {
    const auto translation = Translation();
    return translation ? VersionCharSetOf(static_cast<std::uint16_t>(*translation >> 16))
                       : vcsUnknown;
}

std::int32_t TVersionInfo::VersionNum() const {
    const TFixedFileInfo* fixed = FixedFileInfo();
    return fixed ? static_cast<std::int32_t>(fixed->FileVersionMS) : 0;
}

std::u16string TVersionInfo::GetTranslationString() const {
    const auto translation = Translation();
    if (!translation)
        return {};
    return Format(u"%.4x%.4x", {*translation & 0xFFFF, *translation >> 16});
}

std::u16string TVersionInfo::GetVerValue(const std::u16string& verName) const {
    const std::u16string translation = GetTranslationString();
    if (!Valid() || translation.empty())
        return {};
    const std::u16string subBlock = u"\\StringFileInfo\\" + translation + u"\\" + verName;
    if (subBlock.size() > kMaxSubBlock)
        return {};
    return FResource->Text(subBlock).value_or(u"");
}

std::u16string TVersionInfo::LongVersionToString(const TLongVersion& version) {
    const auto all = version.All();
    return Format(u"%d.%d.%d.%d", {all[1], all[0], all[3], all[2]});
}

std::u16string TVersionInfo::FileVersion() const {
    const std::u16string text = GetVerValue(u"FileVersion");
    return text.empty() && Valid() ? LongVersionToString(FileLongVersion()) : text;
}

std::u16string TVersionInfo::ProductVersion() const {
    const std::u16string text = GetVerValue(u"ProductVersion");
    return text.empty() && Valid() ? LongVersionToString(ProductLongVersion()) : text;
}

TDateTime TVersionInfo::VerFileDate() const {
    return FileSystem().LastWriteTime(FFileName).value_or(TDateTime{});
}

std::u16string TVersionInfo::Language() const {
    const auto translation = Translation();
    return translation ? LanguageName(static_cast<std::uint16_t>(*translation & 0xFFFF))
                       : std::u16string();
}

} // namespace typ
