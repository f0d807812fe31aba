// Which game the game pack's command line asks for. The whole argument string is compared,
// case-sensitively, with "-a"/"-A", "-b"/"-B", "-c"/"-C"; anything else asks for nothing.
#pragma once

#include <QString>
#include <QStringList>

enum class Game { None, PanelFlip, LookAway, WordChain };

Game gameForArguments(const QStringList &argumentsAfterProgram);
