// Draws the programs' picture into a PNG file at build time, for the programs and the desktop
// entries: mkprogramicon <file> <size>
#include "ProgramIconArt.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkprogramicon <file> <size>\n");
        return 2;
    }
    const int size = std::atoi(argv[2]);
    if (size <= 0 || !ProgramIconArt::image(size).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "mkprogramicon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
