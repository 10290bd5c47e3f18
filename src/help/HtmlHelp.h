#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace typ {

// Help commands of the platform's HTML help viewer.
inline constexpr std::uint32_t HH_DISPLAY_TOC = 1;
inline constexpr std::uint32_t HH_HELP_CONTEXT = 15;

// Installations of this version and later get web help.
inline constexpr int kWebHelpVersion = 20;

// Every web help address begins with the maker's online help site.
inline constexpr std::u16string_view kOnlineHelpBase = u"https://ayuda.velnor.com/";

// A help request that cannot be served; the message is UTF-8.
class EHelpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the user is told when there is no help to show.
inline constexpr char kHelpUnavailable[] = "No fue posible mostrar la ayuda.";

// What the platform does to show help. A window handle travels as an integer.
class THelpViewer {
public:
    virtual ~THelpViewer() = default;
    // True when the viewer's entry point was found at process start.
    virtual bool HtmlHelpAvailable() const = 0;
    // Hands the request to the viewer; its result is ignored.
    virtual void HtmlHelp(std::uintptr_t Handle, const std::u16string& HelpFile,
                          std::uint32_t Command, std::uint32_t Data) = 0;
    // The application's own context help, over its own configured help file.
    virtual void ApplicationHelpContext(std::uint32_t Data) = 0;
    // Opens a web address in the default browser; the result is ignored.
    virtual void OpenAddress(const std::u16string& Address) = 0;
};

// The viewer the dispatcher uses, set by the GUI layer at start.
void SetHelpViewer(THelpViewer* viewer);
bool HtmlHelpAvailable();

// The entry point of the editor's help hooks: the topic of a context greater
// than 0, else the table of contents.
void ShowContextHelp(std::int32_t HelpContext, const std::u16string& HelpFile,
                     std::uintptr_t Handle);
// Web help for installations of version 20 and later, compiled help before.
// Raises "No fue posible mostrar la ayuda." when the help file belongs to no
// installation; the gateway's and the integer conversion's errors pass on.
void DispatchHelp(std::uintptr_t Handle, const std::u16string& HelpFile, std::uint32_t Command,
                  std::uint32_t Data);
void ShowCompiledHelp(std::uintptr_t Handle, const std::u16string& HelpFile, std::uint32_t Command,
                      std::uint32_t Data);
void ShowWebHelp(const std::u16string& HLNumber, const std::u16string& VersionPrefix,
                 const std::u16string& HelpFile, const std::u16string& ContextText);

// The first two characters of the version as a decimal integer.
int HelpVersion(std::u16string_view SystemVersion);
// A lower-case file name without ".chm" and "_", with the module words
// "insta" -> "adm" and "iv" -> "iva".
std::u16string HelpModuleName(std::u16string_view FileName);
// The page of the help file's module at the context, or the documentation
// page for "operacion".
std::u16string WebHelpAddress(std::u16string_view VersionPrefix, std::u16string_view Country,
                              std::u16string_view HelpFile, std::u16string_view ContextText);

} // namespace typ
