#include "help/HtmlHelp.h"

#include "environment/Conversion.h"
#include "environment/FilePath.h"
#include "environment/StrUtils.h"
#include "environment/VnApplication.h"
#include "sysinfo/VnSysInfoGateWay.h"

namespace typ {
namespace {

THelpViewer* gViewer = nullptr;

// Without a viewer nothing can be shown, which the user is told.
THelpViewer& Viewer() {
    if (gViewer == nullptr)
        throw EHelpError(kHelpUnavailable);
    return *gViewer;
}

std::u16string VersionPrefixOf(std::u16string_view SystemVersion) {
    return std::u16string(SystemVersion.substr(0, 2));
}

} // namespace

void SetHelpViewer(THelpViewer* viewer) {
    gViewer = viewer;
}

bool HtmlHelpAvailable() {
    return gViewer != nullptr && gViewer->HtmlHelpAvailable();
}

void ShowContextHelp(std::int32_t HelpContext, const std::u16string& HelpFile,
                     std::uintptr_t Handle) {
    if (HelpContext > 0)
        DispatchHelp(Handle, HelpFile, HH_HELP_CONTEXT, static_cast<std::uint32_t>(HelpContext));
    else
        DispatchHelp(Handle, HelpFile, HH_DISPLAY_TOC, 0);
}

void DispatchHelp(std::uintptr_t Handle, const std::u16string& HelpFile, std::uint32_t Command,
                  std::uint32_t Data) {
    const std::u16string HLNumber = TVnApplication::GetHLNumberFromPath(HelpFile);
    if (IsBlank(HLNumber))
        throw EHelpError(kHelpUnavailable);
    const std::u16string SystemVersion = TVnSysInfoGateWay::GetClient(HLNumber).SystemVersion();
    if (HelpVersion(SystemVersion) >= kWebHelpVersion)
        ShowWebHelp(HLNumber, VersionPrefixOf(SystemVersion), HelpFile, IntToStr(Data));
    else
        ShowCompiledHelp(Handle, HelpFile, Command, Data);
}

void ShowCompiledHelp(std::uintptr_t Handle, const std::u16string& HelpFile, std::uint32_t Command,
                      std::uint32_t Data) {
    THelpViewer& viewer = Viewer();
    if (viewer.HtmlHelpAvailable())
        viewer.HtmlHelp(Handle, HelpFile, Command, Data);
    else
        viewer.ApplicationHelpContext(Data);
}

void ShowWebHelp(const std::u16string& HLNumber, const std::u16string& VersionPrefix,
                 const std::u16string& HelpFile, const std::u16string& ContextText) {
    const std::u16string Country = TVnSysInfoGateWay::GetClient(HLNumber).CountryCode();
    Viewer().OpenAddress(WebHelpAddress(VersionPrefix, Country, HelpFile, ContextText));
}

int HelpVersion(std::u16string_view SystemVersion) {
    return ConvertToInteger(VersionPrefixOf(SystemVersion));
}

std::u16string HelpModuleName(std::u16string_view FileName) {
    const std::u16string name = RemoveChar(ReplaceAll(FileName, u".chm", u""), u'_');
    if (name == u"insta")
        return u"adm";
    if (name == u"iv")
        return u"iva";
    return name;
}

std::u16string WebHelpAddress(std::u16string_view VersionPrefix, std::u16string_view Country,
                              std::u16string_view HelpFile, std::u16string_view ContextText) {
    const std::u16string Module = HelpModuleName(LowerCase(ExtractFileName(HelpFile)));
    std::u16string address =
        std::u16string(kOnlineHelpBase) + std::u16string(VersionPrefix) + LowerCase(Country);
    if (Module == u"operacion")
        return address + u"/documentos/operacion";
    return address + u"/ayudas_" + Module + u"_" + std::u16string(ContextText);
}

} // namespace typ
