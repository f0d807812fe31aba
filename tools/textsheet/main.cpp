// textsheet BIN OUTDIR: lays out every text the pet's dialogs can show in the real speech and
// question windows and tiles the pictures, captioned, on numbered contact sheets:
// OUTDIR/speech-texts-NN.png (each 201 × 162 speech window) and OUTDIR/question-texts-NN.png
// (each question window with its three answers). The data files are read from BIN/dat.
#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "pet/model/datatables.h"
#include "pet/core/pet.h"
#include "pet/dialogs/showntexts.h"
#include "pet/windows/speechwindow.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int kColumns = 6;
constexpr int kRows = 5;
constexpr int kCaption = 16;
constexpr int kGap = 8;

struct Tile {
    QString caption;
    QImage picture;
};

// Writes the tiles on as many sheets as they need; returns false when a sheet cannot be written.
bool writeSheets(const QList<Tile> &tiles, const QString &outDir, const QString &name)
{
    if (tiles.isEmpty())
        return true;
    const QSize cell = tiles.front().picture.size() + QSize(kGap, kCaption + kGap);
    const int perSheet = kColumns * kRows;
    for (int first = 0, sheet = 1; first < tiles.size(); first += perSheet, ++sheet) {
        const int count = int(qMin<qsizetype>(perSheet, tiles.size() - first));
        const int rows = (count + kColumns - 1) / kColumns;
        QImage image(kGap + kColumns * cell.width(), kGap + rows * cell.height(), QImage::Format_RGB32);
        image.fill(QColor(0x9a, 0xa4, 0xae));
        QPainter p(&image);
        QFont small(QStringLiteral("DejaVu Sans"));
        small.setPixelSize(10);
        p.setFont(small);
        for (int i = 0; i < count; ++i) {
            const Tile &t = tiles[first + i];
            const QPoint at(kGap + (i % kColumns) * cell.width(), kGap + (i / kColumns) * cell.height());
            p.drawImage(at, t.picture);
            p.setPen(Qt::black);
            p.drawText(QRect(at + QPoint(0, t.picture.height()), QSize(t.picture.width(), kCaption)),
                       Qt::AlignLeft | Qt::AlignVCenter, t.caption);
        }
        p.end();
        const QString path = QStringLiteral("%1/%2-%3.png").arg(outDir, name).arg(sheet, 2, 10, QLatin1Char('0'));
        if (!image.save(path)) {
            std::fprintf(stderr, "textsheet: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: textsheet BIN OUTDIR\n");
        return 2;
    }
    const QString bin = QString::fromLocal8Bit(argv[1]);
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(outDir);

    // A pet of its own, in memory, only to drive the two windows.
    MemorySettingsStore store;
    VirtualTime time(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
    SeededRandom random(1);
    Pet::Setup setup;
    setup.programDir = bin;
    setup.datDir = bin + QStringLiteral("/dat");
    setup.desktopDir = QDir::tempPath();
    Pet pet(store, time, random, time, setup);
    pet.ctx().tables.load(setup.datDir);
    SpeechWindow speech(pet);
    QuestionWindow question(pet);

    QList<Tile> speechTiles;
    QList<Tile> questionTiles;
    for (const ShownText &t : everyShownText(pet.ctx().tables)) {
        if (t.place == ShownText::SpeechPanel) {
            pet.scene().setSpeechText(t.text);
            speechTiles.append({t.where, speech.grab().toImage()});
        } else if (t.place == ShownText::QuestionPanel) {
            pet.scene().setQuestion(t.text, t.answers.value(0), t.answers.value(1), t.answers.value(2));
            questionTiles.append({t.where, question.grab().toImage()});
        }
    }

    if (!writeSheets(speechTiles, outDir, QStringLiteral("speech-texts"))
        || !writeSheets(questionTiles, outDir, QStringLiteral("question-texts")))
        return 1;
    std::printf("textsheet: %lld speech texts, %lld questions\n", (long long)speechTiles.size(),
                (long long)questionTiles.size());
    return 0;
}
