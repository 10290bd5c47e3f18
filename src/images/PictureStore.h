#pragma once

#include "images/ImageModules.h"

#include <cstddef>
#include <memory>

namespace typ {

// The platform's picture objects behind the repository's rules: image lists
// loaded for a module, and the bitmaps, icons and image lists that callers
// receive. The Windows layer implements them over image lists, bitmaps and icons.

// One list of a loaded module; read only.
class TStoredList {
public:
    virtual ~TStoredList() = default;
    virtual int Count() const = 0;
};

// The lists of one module, in the order of the module's Lists.
class TModulePictures {
public:
    virtual ~TModulePictures() = default;
    virtual const TStoredList& List(std::size_t aIndex) const = 0;
};

// A bitmap that a picture is copied into; it takes the list's cell size.
class TBitmapObject {
public:
    virtual ~TBitmapObject() = default;
    virtual void Assign(const TStoredList& aList, int aPosition) = 0;
};

// An icon that a picture is copied into, or that becomes empty.
class TIconObject {
public:
    virtual ~TIconObject() = default;
    virtual void Assign(const TStoredList& aList, int aPosition) = 0;
    virtual void Clear() = 0;
};

// A caller's image list.
class TImageListObject {
public:
    virtual ~TImageListObject() = default;
    virtual int Count() const = 0;
    virtual void AddIcon(const TIconObject& aIcon) = 0;
    virtual void AddMasked(const TBitmapObject& aBitmap, const TBitmapObject& aMask) = 0;
    virtual void ReplaceIcon(int aIndex, const TIconObject& aIcon) = 0;
    virtual void ReplaceMasked(int aIndex, const TBitmapObject& aBitmap,
                               const TBitmapObject& aMask) = 0;
};

// Makes the platform objects.
class TPictureSource {
public:
    virtual ~TPictureSource() = default;
    // Loads a module's lists; a list that cannot be loaded raises
    // E_VnRepositoryImages_Exception.
    virtual std::unique_ptr<TModulePictures> LoadModule(const TImageModule& aModule) = 0;
    // The screen's bits per pixel; 32 when the query fails.
    virtual int ScreenColorDepth() = 0;
    // A new bitmap of the size (0 x 0: empty); a monochrome one is filled white.
    virtual std::unique_ptr<TBitmapObject> NewBitmap(int aWidth, int aHeight, bool aMonochrome) = 0;
    virtual std::unique_ptr<TIconObject> NewIcon(int aWidth, int aHeight) = 0;
    // A new empty image list; cells of 0 x 0 take the platform's default size.
    virtual std::unique_ptr<TImageListObject> NewImageList(int aCellWidth, int aCellHeight) = 0;
};

// The platform's picture objects, defined by the platform layer (the Windows
// image lists); a test program defines its own.
TPictureSource& PlatformPictureSource();

} // namespace typ
