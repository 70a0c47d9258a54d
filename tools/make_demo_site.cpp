// vittlon-demo-site DRIVES_DIR [--autoprint]: writes the demo site into a drives folder.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>

#include "platform/clock.h"
#include "site/demo_site.h"

int main(int argc, char** argv) {
    const std::string_view usage = "usage: vittlon-demo-site DRIVES_DIR [--autoprint]";
    if (argc < 2 || argc > 3) {
        std::cerr << usage << '\n';
        return 2;
    }
    bool autoPrint = false;
    if (argc == 3) {
        if (std::string_view(argv[2]) != "--autoprint") {
            std::cerr << usage << '\n';
            return 2;
        }
        autoPrint = true;
    }
    try {
        const std::filesystem::path root = std::filesystem::absolute(argv[1]);
        vt::site::BuildDemoSite(root, vt::SystemClock().Today(), autoPrint);
        std::cout << "Demo site (station " << vt::site::demo::kStation << ", "
                  << vt::site::demo::kUnitCount << " units) written to " << root.string()
                  << (autoPrint ? ", with the automatic-print marker" : "") << '\n';
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "vittlon-demo-site: cannot write the demo site: " << e.what() << '\n';
        return 1;
    }
}
