// Placeholder until the artwork lands: creates the picture folders only.
#include <QDir>
#include <QGuiApplication>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QDir().mkpath(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/gif"));
    QDir().mkpath(QString::fromLocal8Bit(argv[2]));
    return 0;
}
