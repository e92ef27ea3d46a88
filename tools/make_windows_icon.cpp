// Writes the program's icon as a Windows icon file, for the resources of
// the Windows build. Runs on the building machine.
//
//   zolbas_make_windows_icon OUTPUT.ico
#include "assets/Pictures.h"
#include "assets/XpmImage.h"
#include "tools/IcoWriter.h"

#include <cstdio>
#include <fstream>

namespace {

// The sizes the Windows shell asks for: small and large icons, the
// 150 % list view, and the largest tile.
const std::vector<int> kIconSizesPx{16, 32, 48, 64, 256};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zolbas_make_windows_icon OUTPUT.ico\n");
        return 2;
    }
    const auto bytes = zol::icoFile(zol::readXpm(zol::titleIconXpm()), kIconSizesPx);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "zolbas_make_windows_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
