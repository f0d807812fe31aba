#include "entry.h"

Game gameForArguments(const QStringList &args)
{
    // The pet passes exactly one argument; extra words make the whole string match nothing.
    const QString whole = args.join(u' ');
    if (whole == u"-a" || whole == u"-A")
        return Game::PanelFlip;
    if (whole == u"-b" || whole == u"-B")
        return Game::LookAway;
    if (whole == u"-c" || whole == u"-C")
        return Game::WordChain;
    return Game::None;
}
