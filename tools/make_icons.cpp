// Writes the program's icon as PNG files for the desktop's icon theme, each
// size scaled from the 32 x 32 pixel art without blur.
//
//   zolbas_make_icons OUTPUT_FOLDER SIZE...
#include "assets/Pictures.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: zolbas_make_icons OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QImage icon(zol::titleIconXpm());
    if (icon.isNull()) {
        std::fprintf(stderr, "zolbas_make_icons: the icon does not read as a picture\n");
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString folder = QString("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        QDir().mkpath(folder);
        const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!scaled.save(folder + "/zolbas.png")) {
            std::fprintf(stderr, "zolbas_make_icons: cannot write %s/zolbas.png\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
