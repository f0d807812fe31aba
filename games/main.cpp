// korrigo: plays one game against the pet, records the result in the shared store and ends.
#include "common/logging.h"
#include "desktop/appearance.h"
#include "desktop/platform.h"
#include "entry.h"
#include "gamepack.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const Game game = gameForArguments(args);
    if (game == Game::None)
        return 0; // an unknown command line ends at once, touching nothing
    desktop::preparePlatform();
    QApplication app(argc, argv);
    desktop::applyLook(app);
    QApplication::setOrganizationName(QStringLiteral("Tobberly"));
    QApplication::setApplicationName(QStringLiteral("Tobberly"));
    switch (game) {
    case Game::PanelFlip:
        return playPanelFlip();
    case Game::LookAway:
        return playLookAway();
    case Game::WordChain:
        return playWordChain();
    case Game::None:
        break;
    }
    return 0;
}
