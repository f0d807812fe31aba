// reference [--repaint] [PICTURE]: the yardstick of `make bench`. A bare Qt window the size of the
// pet window with one 150 x 220 picture, one Japanese label and a 1-s and a 2-s timer, and nothing
// else: what any small Qt program on this desktop costs. With --repaint the 2-s timer repaints the
// picture, as a sleeping pet's breathing does. With TOBBERLY_REPORT_FIRST_PAINT set it prints the
// moment its picture is first painted, as the pet does.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QPaintEvent>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {
class Picture : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *e) override
    {
        static bool reported = !qEnvironmentVariableIsSet("TOBBERLY_REPORT_FIRST_PAINT");
        if (!reported) {
            reported = true;
            std::printf("first-paint %lld\n", (long long)QDateTime::currentMSecsSinceEpoch());
            std::fflush(stdout);
        }
        QLabel::paintEvent(e);
    }
};
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("reference"));
    window.setFixedSize(292, 224);

    QStringList args = app.arguments().mid(1);
    const bool repaint = args.removeAll(QStringLiteral("--repaint")) > 0;
    auto *picture = new Picture(&window);
    picture->setGeometry(0, 0, 150, 220);
    QPixmap pixmap;
    if (!args.isEmpty())
        pixmap.load(args.first());
    if (pixmap.isNull()) {
        pixmap = QPixmap(150, 220);
        pixmap.fill(QColor(0xf4, 0xee, 0xe2));
    }
    picture->setPixmap(pixmap);

    auto *label = new QLabel(QStringLiteral("ピモといっしょ"), &window);
    label->setGeometry(162, 6, 124, 16);

    // Two timers that wake the program as the pet's clock and an event's steps do.
    int seconds = 0, steps = 0;
    QTimer second, step;
    QObject::connect(&second, &QTimer::timeout, &window, [&seconds] { ++seconds; });
    QObject::connect(&step, &QTimer::timeout, &window, [&steps, repaint, picture] {
        ++steps;
        if (repaint)
            picture->update();
    });
    second.start(1000);
    step.start(2000);

    window.show();
    return app.exec();
}
