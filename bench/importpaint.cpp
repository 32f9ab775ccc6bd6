// The longest time the import screen goes without painting while it imports
// a deck of about 200 MB, or a flashcard package of 78 photo-like JPEG
// pictures (about 46 MB), from the click to the closing message:
//   build/bench/importpaint [MEGABYTES]
//   build/bench/importpaint --package
// A widget of the screen asks for a repaint every 5 ms; every gap between
// two paints (and from the click to the first, and the last to the end)
// counts. Runs offscreen unless a platform is named.

#include "cputime.h"
#include "deckhome.h"
#include "photolike.h"
#include "servicesrig.h"

#include "exchange/frmimportexportdeck.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace velmora;
using namespace velmora::test;

namespace {

class PaintProbe : public QWidget
{
public:
    explicit PaintProbe(QWidget *parent) : QWidget(parent) { setFixedSize(8, 8); }
    QElapsedTimer clock;
    QVector<qint64> paints;

protected:
    void paintEvent(QPaintEvent *) override
    {
        paints.append(clock.nsecsElapsed());
        QPainter(this).fillRect(rect(), paints.size() % 2 ? Qt::black : Qt::white);
    }
};

// A deck of 78 cards whose pictures (random bytes, as a picture file is to the
// store) come to about `megabytes` in all.
bool writeLargeDeck(const QString &path, int megabytes)
{
    Deck deck;
    if (!dbwriter::createDeckDatabase(path) || !deck.open(path, Access::ReadWrite) ||
        !deck.saveTypeStamp({QStringLiteral("Tutor"), QStringLiteral("Tutor"), false}) ||
        !deck.saveHeader({QStringLiteral("Large"), 78, {}, {}, QStringLiteral("Create")}))
        return false;
    const qsizetype pictureBytes = qsizetype(megabytes) * 1024 * 1024 / 78;
    QVector<Card> cards;
    QVector<QStringList> keywords;
    QVector<QByteArray> pictures;
    for (int id = 1; id <= 78; ++id) {
        cards.append({id, QStringLiteral("Card %1").arg(id), 0, QStringLiteral("up"), QStringLiteral("down"), true});
        keywords.append(QStringList(kSlotsPerCard, QStringLiteral("word")));
        QByteArray picture(pictureBytes, Qt::Uninitialized);
        QRandomGenerator(id).fillRange(reinterpret_cast<quint32 *>(picture.data()), pictureBytes / 4);
        pictures.append(picture);
    }
    return deck.appendCards(cards, keywords, pictures);
}

// The photo-like deck as a flashcard package in `folder`; its path, or empty.
QString writePhotoPackage(const QString &folder)
{
    QList<SampleCard> cards = fullDeck();
    for (int i = 0; i < cards.size(); ++i)
        cards[i].picture = encodedPicture(photoLike(i), "jpeg", 92);
    if (!DeckHome::addDeck(QStringLiteral("Tutor2.vdk"), QStringLiteral("Photos"), 0) ||
        !writeCards(paths::deckDatabase(QStringLiteral("Tutor2.vdk")), cards))
        return {};
    const ExchangeOutcome outcome =
        flashcards::exportPackage(QStringLiteral("Tutor2.vdk"), folder, 1'765'000'000'000LL);
    return outcome.ok ? outcome.exportedPath : QString();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool package = argc > 1 && QByteArray(argv[1]) == "--package";
    const int megabytes = argc > 1 && !package ? QByteArray(argv[1]).toInt() : 200;

    DeckHome home;
    ServicesRig rig;
    QTemporaryDir outside;
    QString source = outside.filePath(QStringLiteral("Large.vdk"));
    if (!home.make() || !DeckHome::addDeck(QStringLiteral("Tutor1.vdk"), QStringLiteral("Default"), 3) ||
        !(package ? !(source = writePhotoPackage(outside.path())).isEmpty() : writeLargeDeck(source, megabytes))) {
        std::fprintf(stderr, "could not lay down the decks\n");
        return 1;
    }

    // The mapping the package's names suggest is taken as it is.
    FrmImportExportDeck screen(
        rig.services, ExchangeOpener::StartScreenImport, nullptr, {},
        [](QWidget *, const flashcards::PackageReader &, flashcards::PackageChoice &) { return true; });
    auto *probe = new PaintProbe(&screen);
    probe->move(2, 2);
    screen.show();
    ImportFrame *frame = screen.importFrame();
    frame->Dir1->setFolder(outside.path());
    frame->File1->setCurrentItem(frame->File1->findItems(QFileInfo(source).fileName(), Qt::MatchExactly).value(0));

    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, probe, [probe] { probe->update(); });
    repaint.start(5);
    qint64 start = 0;
    qint64 end = 0;
    qint64 cpu = 0;
    QTimer::singleShot(300, &screen, [&] {
        probe->paints.clear();
        const CpuTimer work;
        start = probe->clock.nsecsElapsed();
        screen.cmdImportDeck_Click();
        end = probe->clock.nsecsElapsed();
        cpu = work.elapsed();
        app.quit();
    });
    probe->clock.start();
    app.exec();

    QVector<qint64> moments{start};
    for (qint64 at : probe->paints) {
        if (at > start && at < end)
            moments.append(at);
    }
    moments.append(end);
    qint64 longest = 0;
    for (qsizetype i = 1; i < moments.size(); ++i) {
        const qint64 gap = moments[i] - moments[i - 1];
        longest = std::max(longest, gap);
        if (gap > 50'000'000)
            std::printf("gap of %.0f ms from %.0f ms on\n", double(gap) / 1e6, double(moments[i - 1] - start) / 1e6);
    }
    std::printf("%s %.0f MB; import %.0f ms (processor %lld ms); %lld paints; longest gap %.0f ms; closing message: "
                "%s\n",
                package ? "package" : "deck", double(QFileInfo(source).size()) / 1e6, double(end - start) / 1e6,
                (long long)cpu, (long long)(moments.size() - 2), double(longest) / 1e6,
                qPrintable(rig.prompter.messageTexts().value(0).left(42)));
    return 0;
}
