// What every window of both programs shares on the desktop: the pet's icon (in the title bar,
// the taskbar and the window switcher) and Japanese texts on the standard buttons of message
// boxes (はい, いいえ, OK), whatever language the desktop speaks.
#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <future>

class QApplication;

namespace desktop {

// The pet's icon from the installed pictures (icons/lunetta-<size>.png); null when missing.
QIcon petIcon();
// Sets the icon on the whole application and installs the Japanese button texts. Call once,
// right after the application object is made, or (with the icon's pictures read ahead) before
// the first window is shown.
void applyLook(QApplication &app);
void applyLook(QApplication &app, QList<QImage> iconPictures);
// Reads the icon's pictures on a thread of their own while the program goes on starting (a
// picture may be read on any thread; the icon itself is made in the GUI thread, by applyLook).
// Call after the application object is made.
std::future<QList<QImage>> readPetIconLater();
// The Japanese text of a standard button as the programs show it ("はい(&Y)"...), or an empty
// string for one we do not translate.
QString japaneseButtonText(const char *englishText);

} // namespace desktop
