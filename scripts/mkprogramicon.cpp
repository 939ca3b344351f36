// Draws the programs' picture at build time into an icon theme folder, at every size the programs
// themselves use: mkprogramicon <theme folder> <name> writes <size>x<size>/apps/<name>.png.
#include "ProgramIconArt.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkprogramicon <theme folder> <name>\n");
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : ProgramIconArt::Sizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !ProgramIconArt::image(size).save(file, "PNG")) {
            std::fprintf(stderr, "mkprogramicon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
