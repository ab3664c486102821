// A small tour of the phone engine from the command line: connect to the
// built-in virtual phone, show what it reports, draw a logo, write it to a
// file and read it back, then do the same with a ring tone. With "--check
// PORT" it only tries the port and prints the engine's connection report
// (for a cable that does not answer), its exit status the report's code.
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
    if (argc > 2 && std::string(argv[1]) == "--check") {
        std::string report(8192, '\0');
        const int16_t rc = phoneeng_check_connection(argv[2], PE_CONNECTION_SERIAL, report.data(),
                                                     static_cast<int32_t>(report.size()));
        std::printf("%s", report.c_str());
        return rc;
    }
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

    const std::string folder = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp";
    const std::string path = folder + "/phoneeng-demo.nol";
    std::printf("logo_writefile(%s): %d\n", path.c_str(), logo_writefile(path.c_str()));
    logo_setdata(PE_LOGO_NONE, "");
    std::printf("logo_readfile: %d\n", logo_readfile(path.c_str()));
    printLogo();
    char code[32];
    logo_getdata(nullptr, nullptr, nullptr, code, sizeof code);
    std::printf("network code read back: %s\n", code);

    const std::string tune = folder + "/phoneeng-demo.txt";
    if (FILE *f = std::fopen(tune.c_str(), "w")) {
        std::fputs("Demo Tune: d=8, o=5, b=125: c, e, g, 4c6., p, ss, g, e, 2c\n", f);
        std::fclose(f);
    }
    std::printf("ringtone_readfile(%s): %d\n", tune.c_str(), ringtone_readfile(tune.c_str()));
    std::printf("ring tone: %s, %d bpm, %d notes:", text(ringtone_getname).c_str(),
                ringtone_gettempo(), ringtone_getnotes());
    for (int16_t i = 0; i < ringtone_getnotes(); ++i) {
        char note[16];
        ringtone_getnote(i, note, sizeof note);
        std::printf(" %s/%d", note, ringtone_getstyle(i));
    }
    const std::string ott = folder + "/phoneeng-demo.ott";
    std::printf("\nringtone_writefile(%s): %d\n", ott.c_str(), ringtone_writefile(ott.c_str()));
    std::printf("ringtone_writefile(%s): %d\n", tune.c_str(), ringtone_writefile(tune.c_str()));
    terminate();
    return 0;
}
