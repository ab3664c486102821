// A small tour of the phone engine from the command line: connect to the
// built-in virtual phone, show what it reports, draw a logo, write it to a
// file and read it back. Used by scripts/run until the editor is built.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "phoneeng.h"

namespace {

std::string text(int16_t (*fn)(char *, int32_t)) {
    char buf[256] = {};
    int16_t rc = fn(buf, sizeof buf);
    return rc == PE_OK ? std::string(buf) : "(code " + std::to_string(rc) + ")";
}

void printLogo() {
    int32_t type = 0, w = 0, h = 0;
    logo_getdata(&type, &w, &h, nullptr, 0);
    std::printf("logo type %d, %d x %d\n", type, w, h);
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x) {
            row += logo_getpixel(x, y) == 0 ? '#' : '.';
        }
        std::printf("  %s\n", row.c_str());
    }
}

}  // namespace

int main(int argc, char **argv) {
    const char *port = argc > 1 ? argv[1] : "VIRTUAL";
    std::printf("phoneeng demo: connecting to %s\n", port);
    int16_t rc = init(port, PE_CONNECTION_SERIAL);
    std::printf("init: %d, alive: %d\n", rc, isalive());
    std::printf("model: %s\n", text(lookupmodel).c_str());
    std::printf("IMEI: %s\n", text(getimei).c_str());
    std::printf("network: %s\n", text(lookupnetwork).c_str());

    rc = logo_setdata(PE_LOGO_OPERATOR, "244 05");
    std::printf("logo_setdata: %d\n", rc);
    for (int x = 0; x < 72; ++x) {
        logo_setpixel(x, 0, 0);
        logo_setpixel(x, 13, 0);
        logo_setpixel(x, (x * 13) / 71, 0);
    }
    printLogo();

    const std::string path = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") +
                             "/phoneeng-demo.nol";
    std::printf("logo_writefile(%s): %d\n", path.c_str(), logo_writefile(path.c_str()));
    logo_setdata(PE_LOGO_NONE, "");
    std::printf("logo_readfile: %d\n", logo_readfile(path.c_str()));
    printLogo();
    terminate();
    return 0;
}
