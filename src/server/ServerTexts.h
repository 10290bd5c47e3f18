#pragma once

#include <string_view>

namespace typ {

// The question asked when the server is told to end while hosts still hold
// objects.
inline constexpr std::u16string_view kComServerWarningTitle = u"COM Server Warning";
inline constexpr std::u16string_view kComServerWarningText =
    u"There are still active COM objects in this application.  One or more clients may have "
    u"references to these objects, so manually closing "
    u"this application may cause those client application(s) to fail.\r\n\r\n"
    u"Are you sure you want to close this application?";

// The description of a ShowEx refused while the editor is open for an earlier
// call, UTF-8 as error messages travel.
inline constexpr std::string_view kEditorAlreadyOpenText =
    "El editor de plantillas ya está abierto: termine la edición en curso antes de abrir otra.";

// Caption of the hidden main window.
inline constexpr std::u16string_view kMainWindowCaption = u"fmrEditorTypComMain";

} // namespace typ
