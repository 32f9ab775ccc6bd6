#include "decktext.h"

#include "store/schema.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace velmora::mkdata {

namespace {

struct Entry
{
    int line = 0;
    QString key;
    QString value;
};

struct Block
{
    int firstLine = 0;
    QVector<Entry> entries;
};

const QStringList kCardKeys{QStringLiteral("id"),       QStringLiteral("name"),    QStringLiteral("group"),
                            QStringLiteral("keywords"), QStringLiteral("upright"), QStringLiteral("reversed")};
const QStringList kHeaderKeys{QStringLiteral("deck"), QStringLiteral("designer")};

class Reader
{
public:
    Reader(QString sourceName, QString *error) : sourceName_(std::move(sourceName)), error_(error) {}

    bool fail(int line, const QString &text)
    {
        if (error_)
            *error_ = sourceName_ + QLatin1Char(':') + QString::number(line) + QStringLiteral(": ") + text;
        return false;
    }

    // Splits the text into blocks of "key: value" lines; blank lines end a block.
    bool split(const QString &text, QVector<Block> &blocks)
    {
        const QStringList lines = text.split(QLatin1Char('\n'));
        Block current;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const int lineNo = int(i) + 1;
            QString line = lines[i];
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(QLatin1Char('#')))
                continue;
            if (trimmed.isEmpty()) {
                if (!current.entries.isEmpty())
                    blocks.append(current);
                current = Block();
                continue;
            }
            const qsizetype colon = line.indexOf(QLatin1Char(':'));
            if (colon <= 0)
                return fail(lineNo, QStringLiteral("expected \"key: value\", found \"") + trimmed + QLatin1Char('"'));
            if (current.entries.isEmpty())
                current.firstLine = lineNo;
            current.entries.append({lineNo, line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()});
        }
        if (!current.entries.isEmpty())
            blocks.append(current);
        return true;
    }

    // Every allowed key exactly once, no other key.
    bool collect(const Block &block, const QStringList &keys, const QString &what, QHash<QString, Entry> &out)
    {
        for (const Entry &entry : block.entries) {
            if (!keys.contains(entry.key))
                return fail(entry.line, what + QStringLiteral("unknown key \"") + entry.key + QLatin1Char('"'));
            if (out.contains(entry.key))
                return fail(entry.line, what + QStringLiteral("key \"") + entry.key + QStringLiteral("\" given twice"));
            out.insert(entry.key, entry);
        }
        for (const QString &key : keys) {
            if (!out.contains(key))
                return fail(block.firstLine, what + QStringLiteral("key \"") + key + QStringLiteral("\" is missing"));
        }
        return true;
    }

    bool readHeader(const Block &block, DeckText &deck)
    {
        QHash<QString, Entry> fields;
        if (!collect(block, kHeaderKeys, QStringLiteral("header: "), fields))
            return false;
        deck.deckName = fields[QStringLiteral("deck")].value;
        deck.designer = fields[QStringLiteral("designer")].value;
        if (deck.deckName.isEmpty())
            return fail(fields[QStringLiteral("deck")].line, QStringLiteral("header: the deck name is empty"));
        if (deck.designer.isEmpty())
            return fail(fields[QStringLiteral("designer")].line, QStringLiteral("header: the designer is empty"));
        return true;
    }

    bool readCard(const Block &block, int expectedId, CardText &card)
    {
        const CardPlace &place = deckOrder()[expectedId - 1];
        const QString what = QStringLiteral("card ") + QString::number(expectedId) + QStringLiteral(" (") + place.name +
                             QStringLiteral("): ");
        QHash<QString, Entry> fields;
        if (!collect(block, kCardKeys, what, fields))
            return false;

        const Entry &id = fields[QStringLiteral("id")];
        bool ok = false;
        card.id = id.value.toInt(&ok);
        if (!ok || card.id != expectedId)
            return fail(id.line, what + QStringLiteral("id \"") + id.value +
                                     QStringLiteral("\" out of order, expected ") + QString::number(expectedId));

        const Entry &name = fields[QStringLiteral("name")];
        card.name = name.value;
        if (card.name != place.name)
            return fail(name.line, what + QStringLiteral("name \"") + card.name + QStringLiteral("\" does not match"));

        const Entry &group = fields[QStringLiteral("group")];
        card.group = group.value.toInt(&ok);
        if (!ok || card.group != place.group)
            return fail(group.line, what + QStringLiteral("group \"") + group.value + QStringLiteral("\", expected ") +
                                        QString::number(place.group));

        const Entry &keywords = fields[QStringLiteral("keywords")];
        QSet<QString> seen;
        for (const QString &part : keywords.value.split(QLatin1Char(';'))) {
            const QString keyword = part.trimmed();
            if (keyword.isEmpty())
                return fail(keywords.line, what + QStringLiteral("empty keyword"));
            if (keyword.contains(QLatin1Char(',')))
                return fail(keywords.line,
                            what + QStringLiteral("keyword \"") + keyword + QStringLiteral("\" holds a comma"));
            if (seen.contains(keyword.toLower()))
                return fail(keywords.line,
                            what + QStringLiteral("keyword \"") + keyword + QStringLiteral("\" given twice"));
            seen.insert(keyword.toLower());
            card.keywords.append(keyword);
        }
        if (card.keywords.size() != schema::kKeywordsPerCard)
            return fail(keywords.line, what + QString::number(card.keywords.size()) + QStringLiteral(" keywords, ") +
                                           QString::number(schema::kKeywordsPerCard) + QStringLiteral(" needed"));

        for (const QString &key : {QStringLiteral("upright"), QStringLiteral("reversed")}) {
            const Entry &meaning = fields[key];
            if (meaning.value.isEmpty())
                return fail(meaning.line, what + QStringLiteral("the ") + key + QStringLiteral(" meaning is empty"));
            if (meaning.value.size() > schema::kMeaningMaxLength)
                return fail(meaning.line, what + QStringLiteral("the ") + key + QStringLiteral(" meaning has ") +
                                              QString::number(meaning.value.size()) + QStringLiteral(" characters, ") +
                                              QString::number(schema::kMeaningMaxLength) + QStringLiteral(" at most"));
        }
        card.upright = fields[QStringLiteral("upright")].value;
        card.reversed = fields[QStringLiteral("reversed")].value;
        return true;
    }

private:
    QString sourceName_;
    QString *error_;
};

QVector<CardPlace> makeDeckOrder()
{
    static const char *const majors[kMajorArcanaCount] = {
        "The Fool",       "The Magician", "The High Priestess", "The Empress", "The Emperor",      "The Hierophant",
        "The Lovers",     "The Chariot",  "Strength",           "The Hermit",  "Wheel of Fortune", "Justice",
        "The Hanged Man", "Death",        "Temperance",         "The Devil",   "The Tower",        "The Star",
        "The Moon",       "The Sun",      "Judgement",          "The World"};
    static const char *const ranks[kSuitSize] = {"Ace",   "Two",  "Three", "Four", "Five",   "Six",   "Seven",
                                                 "Eight", "Nine", "Ten",   "Page", "Knight", "Queen", "King"};
    static const char *const suits[4] = {"Cups", "Wands", "Pentacles", "Swords"};
    QVector<CardPlace> order;
    for (int n = 0; n < kMajorArcanaCount; ++n)
        order.append({QString::fromLatin1(majors[n]), 0, n});
    for (int suit = 0; suit < 4; ++suit) {
        for (int r = 0; r < kSuitSize; ++r)
            order.append({QString::fromLatin1(ranks[r]) + QStringLiteral(" of ") + QString::fromLatin1(suits[suit]),
                          suit + 1, r + 1});
    }
    return order;
}

} // namespace

const QVector<CardPlace> &deckOrder()
{
    static const QVector<CardPlace> order = makeDeckOrder();
    return order;
}

std::optional<DeckText> parseDeckText(const QString &text, const QString &sourceName, QString *error)
{
    Reader reader(sourceName, error);
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    QVector<Block> blocks;
    if (!reader.split(body, blocks))
        return std::nullopt;
    if (blocks.isEmpty()) {
        reader.fail(1, QStringLiteral("no header block"));
        return std::nullopt;
    }
    DeckText deck;
    if (!reader.readHeader(blocks.first(), deck))
        return std::nullopt;
    const qsizetype records = blocks.size() - 1;
    for (qsizetype i = 1; i < blocks.size() && i <= kDeckSize; ++i) {
        CardText card;
        if (!reader.readCard(blocks[i], int(i), card))
            return std::nullopt;
        deck.cards.append(card);
    }
    if (records != kDeckSize) {
        const int line = records > kDeckSize ? blocks[kDeckSize + 1].firstLine : int(text.count(QLatin1Char('\n'))) + 1;
        reader.fail(line, QString::number(records) + QStringLiteral(" card records, ") + QString::number(kDeckSize) +
                              QStringLiteral(" needed"));
        return std::nullopt;
    }
    return deck;
}

std::optional<DeckText> readDeckText(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read ") + path + QStringLiteral(": ") + file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    const QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter) && !bytes.contains("\xEF\xBF\xBD")) {
        if (error)
            *error = path + QStringLiteral(": not UTF-8 text");
        return std::nullopt;
    }
    return parseDeckText(text, QFileInfo(path).fileName(), error);
}

} // namespace velmora::mkdata
