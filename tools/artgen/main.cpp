// artgen draws every picture of both programs by code and writes the files:
//   artgen <bin-dir> <gameart-dir>          everything
//   artgen --contact <bin-dir> <out.png>    a contact sheet of every pet strip
//   artgen --sheet <bin-dir> <out.png>      a sheet of every other picture
// The output is the same, byte for byte, on every run. Every picture the programs show is
// written twice, at 1x and at 2x (see output.h), and a run that wrote other files than
// outputs.txt lists fails, so the build always knows every file the art command makes.
#include "artwork.h"
#include "output.h"

#include <QDir>
#include <QFile>
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
    for (int scale : output::kScales) {
        ok = writeProps(bin + QStringLiteral("/gif"), scale) && ok;
        ok = writeButtons(bin + QStringLiteral("/gif"), scale) && ok;
        ok = writePresents(bin + QStringLiteral("/gif"), scale) && ok;
        ok = writePortraits(bin, scale) && ok;
        ok = writeGameArt(gameart, scale) && ok;
    }
    // The desktop picks its icon by size in pixels, from the sizes written here.
    ok = writeIcons(bin) && ok;
    ok = writePresentFiles(bin + QStringLiteral("/dat")) && ok;

    QFile list(QStringLiteral(":/outputs.txt"));
    if (!list.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "artgen: the list of outputs is missing from the program\n");
        return 1;
    }
    const QStringList problems =
        output::compareWithList(QString::fromUtf8(list.readAll()), bin, gameart);
    for (const QString &problem : problems)
        std::fprintf(stderr, "artgen: %s\n", qPrintable(problem));
    if (!problems.isEmpty())
        std::fprintf(stderr, "artgen: tools/artgen/outputs.txt must name every file artgen "
                             "writes, or the build cannot depend on it\n");
    return ok && problems.isEmpty() ? 0 : 1;
}
