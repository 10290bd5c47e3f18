#pragma once

#include "images/ImageEnum.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace typ {

// Png lists keep their alpha and serve icons where alpha pictures show; Bmp
// lists carry a mask and serve bitmaps (and icons elsewhere).
enum class TImageKind : std::uint8_t { Bmp, Png };

struct TRgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend bool operator==(const TRgb&, const TRgb&) = default;
};

// One image list of a module: the pictures Pictures[First] .. Pictures[First + Count - 1]
// of its module, each in a cell of Width x Height.
struct TImageListLayout {
    TImageSize Size;
    TImageKind Kind;
    int Width;
    int Height;
    int First;
    int Count;
    // A list whose cells are painted on this colour and have no transparent pixels.
    std::optional<TRgb> Background;
    // The field name of a list that no size accessor offers (the logos); empty otherwise.
    std::string_view Name;
};

// How a module answers IndexOf.
enum class TIndexOfKind : std::uint8_t {
    Table,    // the position of the value in Pictures
    AnyValue, // 0 for every value (the empty module)
    None,     // the module has no IndexOf (the logos)
};

// An image module class and everything it holds.
struct TImageModule {
    std::string_view ClassName;
    // The module's pictures in position order: position p of every list is Pictures[p].
    std::span<const TImageEnum> Pictures;
    std::span<const TImageListLayout> Lists;
    TIndexOfKind IndexOfKind;

    // The list a size accessor offers (ImgList16Png ...); none when the module has none.
    const TImageListLayout* FindList(TImageSize aImageSize, TImageKind aKind) const;
};

// The 38 module classes, in the order of the routing table.
std::span<const TImageModule> ImageModules();

// The module class of a value. Raises E_VnRepositoryImages_Exception for a
// value of no module, including one outside the enumeration.
const TImageModule& DataModuleClass(TImageEnum aImageEnum);

// The position of a value in the module's lists. Raises
// E_VnRepositoryImages_Exception ("<ClassName>.IndexOf") for a value the
// module does not serve, EAbstractError for a module without IndexOf.
int IndexOf(const TImageModule& aModule, TImageEnum aImageEnum);

// The name of the embedded resource that holds a list:
// "<ClassName>_<11|16|32|48|Big>_<Bmp|Png>", or "<ClassName>_<Name>" for a named list.
std::string ResourceName(const TImageModule& aModule, const TImageListLayout& aList);

} // namespace typ
