#include "images/PictureStore.h"
#include "images/WinPictureSource.h"

namespace typ {

// The pictures embedded in the running program. Alone in its file, so that a
// test program that defines its own source does not pull this one in.
TPictureSource& PlatformPictureSource() {
    static win::TWinPictureSource source;
    return source;
}

} // namespace typ
