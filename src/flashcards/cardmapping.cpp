#include "flashcards/cardmapping.h"

#include <QRegularExpression>

#include <array>

namespace velmora::flashcards {

namespace {

const std::array<const char *, 5> kGroupNames{"Major Arcana", "Cups", "Wands", "Pentacles", "Swords"};

// The first field whose lower-case name is one of `exact`, else contains one
// of `parts`, and is not taken yet.
int findField(const QStringList &lower, const QStringList &exact, const QStringList &parts, QVector<bool> &taken)
{
    for (const QString &wanted : exact) {
        for (int i = 0; i < lower.size(); ++i) {
            if (!taken[i] && lower[i] == wanted) {
                taken[i] = true;
                return i;
            }
        }
    }
    for (const QString &part : parts) {
        for (int i = 0; i < lower.size(); ++i) {
            if (!taken[i] && lower[i].contains(part)) {
                taken[i] = true;
                return i;
            }
        }
    }
    return -1;
}

QString decodeEntity(const QString &entity)
{
    static const QHash<QString, QString> named{
        {QStringLiteral("amp"), QStringLiteral("&")},        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},         {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},       {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("ndash"), QStringLiteral("\u2013")}, {QStringLiteral("mdash"), QStringLiteral("\u2014")},
    };
    if (entity.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code = entity.size() > 1 && (entity[1] == QLatin1Char('x') || entity[1] == QLatin1Char('X'))
                              ? entity.mid(2).toUInt(&ok, 16)
                              : entity.mid(1).toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return QStringLiteral("\uFFFD");
        const char32_t c = code;
        return QString::fromUcs4(&c, 1);
    }
    return named.value(entity.toLower(), QLatin1Char('&') + entity + QLatin1Char(';'));
}

QString decodeEntities(const QString &text)
{
    static const QRegularExpression entity(QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[a-zA-Z]{2,8});"));
    QString out;
    qsizetype at = 0;
    auto it = entity.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        out += text.mid(at, match.capturedStart() - at);
        out += decodeEntity(match.captured(1));
        at = match.capturedEnd();
    }
    return out + text.mid(at);
}

} // namespace

FieldMapping guessMapping(const QStringList &fieldNames, const QVector<QStringList> &samples)
{
    QStringList lower;
    for (const QString &name : fieldNames)
        lower.append(name.trimmed().toLower());
    QVector<bool> taken(lower.size(), false);
    FieldMapping m;
    // The picture and the reversed meaning first: "Reversed meaning" must not
    // be taken for the upright one, nor "Card image" for the name.
    m.picture = findField(
        lower, {QStringLiteral("picture"), QStringLiteral("image")},
        {QStringLiteral("picture"), QStringLiteral("image"), QStringLiteral("photo"), QStringLiteral("img")}, taken);
    m.reversed =
        findField(lower, {QStringLiteral("reversed")}, {QStringLiteral("revers"), QStringLiteral("invert")}, taken);
    m.keywords =
        findField(lower, {QStringLiteral("keywords")}, {QStringLiteral("keyword"), QStringLiteral("key word")}, taken);
    m.upright = findField(lower, {QStringLiteral("upright"), QStringLiteral("meaning")},
                          {QStringLiteral("upright"), QStringLiteral("normal"), QStringLiteral("meaning")}, taken);
    m.group = findField(lower, {QStringLiteral("group"), QStringLiteral("suit")},
                        {QStringLiteral("group"), QStringLiteral("suit"), QStringLiteral("arcana")}, taken);
    m.name = findField(lower, {QStringLiteral("name"), QStringLiteral("card"), QStringLiteral("title")},
                       {QStringLiteral("name"), QStringLiteral("title"), QStringLiteral("front")}, taken);
    if (m.name < 0)
        m.name = findField(lower, lower.isEmpty() ? QStringList() : QStringList{lower.first()}, {}, taken);
    if (m.picture < 0) {
        for (int i = 0; i < lower.size() && m.picture < 0; ++i) {
            if (taken[i])
                continue;
            for (const QStringList &note : samples) {
                if (i < note.size() && !firstImageSource(note[i]).isEmpty()) {
                    m.picture = i;
                    break;
                }
            }
        }
    }
    return m;
}

QString htmlToPlainText(const QString &html)
{
    static const QRegularExpression hidden(QStringLiteral("<(script|style)\\b[^>]*>.*?</\\1\\s*>"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression breaks(QStringLiteral("<br\\b[^>]*>|</?(div|p|li|tr|h[1-6])\\b[^>]*>"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression blanks(QStringLiteral("[ \\t\\r\\f\\x{000B}\\x{00A0}]+"));
    static const QRegularExpression lineEdges(QStringLiteral(" *\\n *"));
    static const QRegularExpression manyBreaks(QStringLiteral("\\n{2,}"));
    QString text = html;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.remove(hidden);
    text.replace(breaks, QStringLiteral("\n"));
    text.remove(tags);
    text = decodeEntities(text);
    text.replace(blanks, QStringLiteral(" "));
    text.replace(lineEdges, QStringLiteral("\n"));
    text.replace(manyBreaks, QStringLiteral("\n"));
    return text.trimmed();
}

QString plainTextToHtml(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

SplitKeywords splitKeywords(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[,;\\n]"));
    SplitKeywords split;
    for (const QString &part : text.split(separators)) {
        const QString keyword = part.simplified();
        if (keyword.isEmpty())
            continue;
        if (split.keywords.size() < 7)
            split.keywords.append(keyword);
        else
            ++split.dropped;
    }
    return split;
}

QString firstImageSource(const QString &html)
{
    static const QRegularExpression image(
        QStringLiteral("<img\\b[^>]*?\\ssrc\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = image.match(html);
    if (!match.hasMatch())
        return {};
    QString source = match.captured(1) + match.captured(2) + match.captured(3);
    return decodeEntities(source).trimmed();
}

QString groupName(int group)
{
    return group >= 0 && group < int(kGroupNames.size()) ? QString::fromLatin1(kGroupNames[std::size_t(group)])
                                                         : QString();
}

QString groupTag(int group)
{
    return groupName(group).replace(QLatin1Char(' '), QLatin1Char('_'));
}

std::optional<int> groupFromText(const QString &text)
{
    const QString t = htmlToPlainText(text).toLower().replace(QLatin1Char('_'), QLatin1Char(' ')).simplified();
    if (t.isEmpty())
        return std::nullopt;
    if (t.contains(QLatin1String("major")) || t == QLatin1String("trumps"))
        return 0;
    if (t.contains(QLatin1String("cup")) || t.contains(QLatin1String("chalice")))
        return 1;
    if (t.contains(QLatin1String("wand")) || t.contains(QLatin1String("rod")) || t.contains(QLatin1String("staff")))
        return 2;
    if (t.contains(QLatin1String("pentacle")) || t.contains(QLatin1String("coin")) ||
        t.contains(QLatin1String("disk")) || t.contains(QLatin1String("disc")))
        return 3;
    if (t.contains(QLatin1String("sword")))
        return 4;
    return std::nullopt;
}

} // namespace velmora::flashcards
