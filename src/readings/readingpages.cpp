#include "readings/readingpages.h"

#include "store/deck.h"
#include "store/paths.h"
#include "store/pictures.h"

#include <QBuffer>
#include <QFileInfo>
#include <QHash>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>

#include <memory>

namespace velmora::readings {

namespace {

// Each picture is encoded once however many readings show it.
using SourceOf = std::function<QString(const QString &key, const QImage &image)>;

QString escaped(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString pageHtml(const QVector<Reading> &readings, const ReadingPicture &picture, const SourceOf &sourceOf)
{
    const QString heading = escaped(QCoreApplication::translate("ReadingPages", "Readings"));
    QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                                  "<title>%1</title><style>"
                                  "body{font-family:sans-serif;max-width:60em;margin:auto}"
                                  "td{vertical-align:top;padding:4px 12px 4px 0}"
                                  "h2{margin-top:1.5em;border-bottom:1px solid #888}"
                                  "</style></head><body>\n<h1>%1</h1>\n")
                       .arg(heading);
    for (const Reading &reading : readings) {
        html += QStringLiteral("<h2>") + escaped(readingTitle(reading)) + QStringLiteral("</h2>\n");
        html += QStringLiteral("<p><b>") + escaped(QCoreApplication::translate("ReadingPages", "Question:")) +
                QStringLiteral("</b> ") + escaped(reading.question) + QStringLiteral("</p>\n<table>");
        const QStringList positions = spreadPositions(reading.spread);
        for (int i = 0; i < reading.cards.size(); ++i) {
            const ReadingCard &card = reading.cards[i];
            const QImage upright = picture ? picture(reading, card) : QImage();
            html += QStringLiteral("<tr><td>");
            if (!upright.isNull()) {
                const QString key = reading.deckFile + QLatin1Char('/') + QString::number(card.cardId) +
                                    (card.reversed ? QStringLiteral("r") : QStringLiteral("u"));
                const QImage shown = upright.scaled(kPagePictureSide / 2, kPagePictureSide, Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation);
                html += QStringLiteral("<img alt=\"") + card.name.toHtmlEscaped() + QStringLiteral("\" src=\"") +
                        sourceOf(key, card.reversed ? turnedHalf(shown) : shown) + QStringLiteral("\">");
            }
            html += QStringLiteral("</td><td><b>") + escaped(positions.value(i)) + QStringLiteral(":</b> ") +
                    escaped((card.reversed ? QCoreApplication::translate("ReadingPages", "%1 (reversed)")
                                           : QCoreApplication::translate("ReadingPages", "%1 (upright)"))
                                .arg(card.name)) +
                    QStringLiteral("<br><i>") + escaped(QCoreApplication::translate("ReadingPages", "Keywords:")) +
                    QStringLiteral("</i> ") + escaped(card.keywords) + QStringLiteral("<br>") + escaped(card.meaning) +
                    QStringLiteral("</td></tr>\n");
        }
        html += QStringLiteral("</table>\n<p><b>") +
                escaped(QCoreApplication::translate("ReadingPages", "Interpretation:")) + QStringLiteral("</b><br>") +
                escaped(reading.interpretation) + QStringLiteral("</p>\n");
    }
    return html + QStringLiteral("</body></html>\n");
}

} // namespace

QString readingsHtml(const QVector<Reading> &readings, const ReadingPicture &picture)
{
    QHash<QString, QString> encoded;
    return pageHtml(readings, picture, [&encoded](const QString &key, const QImage &image) {
        auto found = encoded.constFind(key);
        if (found != encoded.constEnd())
            return *found;
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return *encoded.insert(key, QStringLiteral("data:image/png;base64,") + QString::fromLatin1(bytes.toBase64()));
    });
}

QByteArray readingsPdf(const QVector<Reading> &readings, const ReadingPicture &picture)
{
    QTextDocument document;
    int count = 0;
    QHash<QString, QString> named;
    // The document keeps each picture once, under a name of its own.
    const QString html = pageHtml(readings, picture, [&](const QString &key, const QImage &image) {
        auto found = named.constFind(key);
        if (found != named.constEnd())
            return *found;
        const QString name = QStringLiteral("picture:%1").arg(++count);
        document.addResource(QTextDocument::ImageResource, QUrl(name), image);
        return *named.insert(key, name);
    });
    document.setHtml(html);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QCoreApplication::translate("ReadingPages", "Readings"));
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        writer.setResolution(150);
        document.print(&writer);
    }
    return bytes;
}

QString exportFilter()
{
    return QCoreApplication::translate("ReadingPages",
                                       "Markdown file (*.md);;Web page with pictures (*.html);;PDF file (*.pdf)");
}

QByteArray exportedBytes(const QString &path, const QVector<Reading> &readings)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return readingsPdf(readings, deckFolderPictures());
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return readingsHtml(readings, deckFolderPictures()).toUtf8();
    return journalMarkdown(readings).toUtf8();
}

ReadingPicture deckFolderPictures()
{
    struct OpenDeck
    {
        Deck deck;
        QHash<int, QString> names; // empty when the deck cannot be read
    };
    // Decks opened once per export, and let go when it is done.
    auto decks = std::make_shared<QHash<QString, std::shared_ptr<OpenDeck>>>();
    return [decks](const Reading &reading, const ReadingCard &card) -> QImage {
        const QString file = reading.deckFile;
        if (file.isEmpty() || QFileInfo(file).fileName() != file || file.startsWith(QLatin1Char('.')))
            return {};
        std::shared_ptr<OpenDeck> &open = (*decks)[file];
        if (!open) {
            open = std::make_shared<OpenDeck>();
            if (open->deck.open(paths::deckDatabase(file))) {
                for (const Card &held : open->deck.cards().value_or(QVector<Card>()))
                    open->names.insert(held.id, held.name);
            }
        }
        if (open->names.value(card.cardId) != card.name || card.name.isEmpty())
            return {};
        return decodePicture(open->deck.picture(card.cardId), QSize(kPagePictureSide, kPagePictureSide));
    };
}

} // namespace velmora::readings
