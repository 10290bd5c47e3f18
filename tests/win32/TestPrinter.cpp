#include "TestPrinter.h"

#include <windows.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <winspool.h>

namespace typ::win::test {
namespace {

// A small PostScript printer description: enough for the printer dialogs.
constexpr const char* kPrinterDescription = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "TYPTEST.PPD"
*Manufacturer: "Typ"
*Product: "(Typ Test Printer)"
*ModelName: "Typ Test Printer"
*NickName: "Typ Test Printer"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*DefaultResolution: 300dpi
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageSize Letter/Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 36 577 806"
*ImageableArea Letter/Letter: "18 36 594 756"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/Letter: "612 792"
*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
)ppd";

bool PrinterInstalled(const std::wstring& name) {
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(name.c_str()), &printer, nullptr))
        return false;
    ClosePrinter(printer);
    return true;
}

std::wstring WriteDescriptionFile() {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "TypTestPrinter.ppd";
    std::ofstream(path, std::ios::binary) << kPrinterDescription;
    return path.wstring();
}

void InstallDriver(std::wstring driverName) {
    std::wstring description = WriteDescriptionFile();
    std::wstring driverFile = L"wineps.drv";
    std::wstring dataType = L"RAW";
    DRIVER_INFO_3W driver{};
    driver.cVersion = 3;
    driver.pName = driverName.data();
    driver.pDriverPath = driverFile.data();
    driver.pDataFile = description.data();
    driver.pConfigFile = driverFile.data();
    driver.pDefaultDataType = dataType.data();
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver),
                             APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY))
        throw std::runtime_error("the test printer driver cannot be installed");
}

void InstallPrinter(std::wstring name, std::wstring port, std::wstring driverName) {
    std::wstring processor = L"WinPrint";
    std::wstring dataType = L"RAW";
    PRINTER_INFO_2W info{};
    info.pPrinterName = name.data();
    info.pPortName = port.data();
    info.pDriverName = driverName.data();
    info.pPrintProcessor = processor.data();
    info.pDatatype = dataType.data();
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    const HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (!printer)
        throw std::runtime_error("the test printer cannot be installed");
    ClosePrinter(printer);
}

} // namespace

void EnsureTestPrinter(const std::wstring& name, const std::wstring& port) {
    if (PrinterInstalled(name))
        return;
    const std::wstring driverName = name + L" Driver";
    InstallDriver(driverName);
    InstallPrinter(name, port, driverName);
}

} // namespace typ::win::test
