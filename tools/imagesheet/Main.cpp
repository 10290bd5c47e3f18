// imagesheet: one PNG page with every picture of every image module's lists
// and the editor's own pictures, each under its name, to look at them all at once.
#include "ContactSheet.h"
#include "PictureTable.h"
#include "SourceRenderer.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 7) {
        std::cerr << "usage: imagesheet TABLE SHAPES_DIR ICONS_DIR RSVG CACHE_DIR SHEET.png\n";
        return 1;
    }
    try {
        std::ifstream in(argv[1], std::ios::binary);
        std::ostringstream text;
        if (!(text << in.rdbuf()))
            throw std::runtime_error(std::string("cannot read ") + argv[1]);
        const auto table = typ::pictures::ParsePictureTable(text.str());
        typ::pictures::TSourceRenderer renderer({argv[3], argv[2], argv[5], argv[4]});
        const std::filesystem::path sheet = argv[6];
        const std::filesystem::path svg = std::filesystem::path(argv[5]) / "contact-sheet.svg";
        std::ofstream(svg, std::ios::binary)
            << typ::pictures::ContactSheetSvg(typ::pictures::AllStrips(table, renderer));
        const std::string command =
            std::string("'") + argv[4] + "' -o '" + sheet.string() + "' '" + svg.string() + "'";
        if (std::system(command.c_str()) != 0)
            throw std::runtime_error("the SVG renderer failed on " + svg.string());
        std::cout << "imagesheet: " << sheet.string() << "\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "imagesheet: " << error.what() << "\n";
        return 2;
    }
}
