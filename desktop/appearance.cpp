#include "appearance.h"

#include "common/paths.h"
#include "desktoplog.h"

#include <QApplication>
#include <QImageReader>
#include <QPixmap>
#include <QLibraryInfo>
#include <QTranslator>

namespace desktop {
namespace {

// The few standard texts our message boxes show, as a Japanese desktop writes them. Used when
// Qt's own Japanese translation is not installed; Qt's, when present, is asked first.
class ButtonTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *sourceText, const char * = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(context, "QPlatformTheme") != 0 && qstrcmp(context, "QMessageBox") != 0)
            return QString();
        return japaneseButtonText(sourceText);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

QString japaneseButtonText(const char *englishText)
{
    static const struct {
        const char *english, *japanese;
    } texts[] = {{"OK", "OK"},
                 {"&Yes", "はい(&Y)"},
                 {"&No", "いいえ(&N)"},
                 {"Cancel", "キャンセル"},
                 {"Close", "閉じる"},
                 {"Yes to &All", "すべてにはい(&A)"},
                 {"N&o to All", "すべてにいいえ(&O)"},
                 {"Abort", "中止"},
                 {"Retry", "再試行"},
                 {"Ignore", "無視"}};
    for (const auto &t : texts)
        if (qstrcmp(t.english, englishText) == 0)
            return QString::fromUtf8(t.japanese);
    return QString();
}

namespace {
QList<QImage> readIconPictures(const QString &dir)
{
    // The window icon travels to the window manager with every window (_NET_WM_ICON); the two
    // smaller sizes serve every taskbar and switcher without sending the large one each time.
    // Read as PNG by name: a reader left to guess the format loads and asks every picture plug-in
    // there is (and the libraries behind them) before it tries the PNG reader built into Qt.
    QList<QImage> pictures;
    for (int size : {48, 128}) {
        QImageReader reader(dir + QStringLiteral("/lunetta-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        QImage image = reader.read();
        if (!image.isNull())
            pictures.append(std::move(image));
    }
    return pictures;
}

QIcon iconOf(QList<QImage> pictures)
{
    QIcon icon;
    for (QImage &image : pictures)
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    return icon;
}
} // namespace

QIcon petIcon() { return iconOf(readIconPictures(paths::iconDir())); }

std::future<QList<QImage>> readPetIconLater()
{
    return std::async(std::launch::async, readIconPictures, paths::iconDir());
}

void applyLook(QApplication &app) { applyLook(app, readIconPictures(paths::iconDir())); }

void applyLook(QApplication &app, QList<QImage> iconPictures)
{
    const QIcon icon = iconOf(std::move(iconPictures));
    if (icon.isNull())
        qCWarning(lcDesktop) << "the pet's icon is missing in" << paths::iconDir();
    else
        app.setWindowIcon(icon);

    // Installed later = asked first: Qt's translation, where it is installed, before ours.
    app.installTranslator(new ButtonTranslator(&app));
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
}

} // namespace desktop
