// Small pieces the game windows share: placed captions, framed count boxes, the speech box, and
// the pet's text shown with its CR LF line breaks.
#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace gamewindow {

QLabel *caption(QWidget *parent, const QString &text, const QRect &place);
// A sunken box holding a number.
QLabel *countBox(QWidget *parent, const QRect &place);
// The pet's speech: a framed, word-wrapped box.
QLabel *speechBox(QWidget *parent, const QRect &place);
// The pet's lines are joined with CR LF; a label wants plain line feeds.
QString shownText(const QString &msg);
// The game pack's chance is seeded once from the clock when a game window opens.
quint64 clockSeed();

} // namespace gamewindow
