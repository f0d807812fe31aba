// artgen draws every picture of both programs by code and writes the files:
//   artgen <bin-dir> <gameart-dir>          everything
//   artgen --contact <bin-dir> <out.png>    a contact sheet of every pet strip
//   artgen --sheet <bin-dir> <out.png>      a sheet of every other picture
// The output is the same, byte for byte, on every run.
#include "artwork.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--contact"))
        return writeContactSheet(args[2], args[3]) ? 0 : 1;
    if (args.size() == 4 && args[1] == QLatin1String("--sheet"))
        return writePictureSheet(args[2], args[3]) ? 0 : 1;
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: artgen <bin-dir> <gameart-dir>\n"
                             "       artgen --contact|--sheet <bin-dir> <out.png>\n");
        return 2;
    }
    const QString bin = args[1], gameart = args[2];
    if (!QDir().mkpath(bin + QStringLiteral("/gif")) || !QDir().mkpath(bin + QStringLiteral("/dat"))
        || !QDir().mkpath(gameart)) {
        std::fprintf(stderr, "artgen: cannot create the output folders\n");
        return 1;
    }
    bool ok = writeStrips(bin + QStringLiteral("/gif"));
    ok = writeProps(bin + QStringLiteral("/gif")) && ok;
    ok = writeButtons(bin + QStringLiteral("/gif")) && ok;
    ok = writePresents(bin + QStringLiteral("/gif")) && ok;
    ok = writePortraits(bin) && ok;
    ok = writeIcons(bin) && ok;
    ok = writeGameArt(gameart) && ok;
    ok = writePresentFiles(bin + QStringLiteral("/dat")) && ok;
    return ok ? 0 : 1;
}
