#include "goals/goalsfile.h"

#include "store/paths.h"
#include "store/regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <iterator>

namespace velmora::goals {

namespace {

const QString kTrue = QStringLiteral("#TRUE#");
const QString kFalse = QStringLiteral("#FALSE#");

// "#yyyy-mm-dd#", written by hand: QDate::toString() with a format is the
// slowest step of a save.
void appendDateField(QString &out, const QDate &date)
{
    const auto digit = [](int value) { return QChar(u'0' + value % 10); };
    const int y = date.year();
    const int m = date.month();
    const int d = date.day();
    const QChar field[] = {u'#',          digit(y / 1000), digit(y / 100), digit(y / 10), digit(y), u'-',
                           digit(m / 10), digit(m),        u'-',           digit(d / 10), digit(d), u'#'};
    out.append(field, std::size(field));
}

class LineReader
{
public:
    explicit LineReader(QStringView text) : text_(text) {}

    [[nodiscard]] bool atEnd() const { return pos_ >= text_.size(); }
    [[nodiscard]] int line() const { return line_; }

    // Skips line breaks between records; true when one was skipped.
    bool skipLineBreak()
    {
        if (atEnd())
            return false;
        if (text_[pos_] == u'\r') {
            ++pos_;
            if (!atEnd() && text_[pos_] == u'\n')
                ++pos_;
        } else if (text_[pos_] == u'\n') {
            ++pos_;
        } else {
            return false;
        }
        ++line_;
        return true;
    }

    bool endOfRecord() { return atEnd() || skipLineBreak(); }

    bool expect(QChar c)
    {
        if (atEnd() || text_[pos_] != c)
            return false;
        ++pos_;
        return true;
    }

    bool quoted(QString &out)
    {
        if (!expect(u'"'))
            return false;
        const qsizetype close = text_.indexOf(u'"', pos_);
        if (close < 0)
            return false;
        const QStringView body = text_.mid(pos_, close - pos_);
        line_ += int(body.count(u'\n')) + int(body.count(u'\r')) - int(body.count(u"\r\n"));
        out = body.toString();
        pos_ = close + 1;
        return true;
    }

    bool date(QDate &out)
    {
        // #yyyy-mm-dd#
        constexpr qsizetype kLength = 12;
        if (text_.size() - pos_ < kLength)
            return false;
        const QStringView field = text_.mid(pos_, kLength);
        if (field[0] != u'#' || field[5] != u'-' || field[8] != u'-' || field[11] != u'#')
            return false;
        const int y = digits(field.mid(1, 4));
        const int m = digits(field.mid(6, 2));
        const int d = digits(field.mid(9, 2));
        if (y < 0 || m < 0 || d < 0 || !QDate::isValid(y, m, d))
            return false;
        out = QDate(y, m, d);
        pos_ += kLength;
        return true;
    }

    bool boolean(bool &out)
    {
        if (text_.mid(pos_).startsWith(kTrue)) {
            out = true;
            pos_ += kTrue.size();
            return true;
        }
        if (text_.mid(pos_).startsWith(kFalse)) {
            out = false;
            pos_ += kFalse.size();
            return true;
        }
        return false;
    }

    // Up to five decimal digits; values above 100 are taken as 100.
    bool percentage(qint16 &out)
    {
        qsizetype end = pos_;
        while (end < text_.size() && end - pos_ <= 5 && text_[end].isDigit() && text_[end].unicode() < 128)
            ++end;
        const qsizetype length = end - pos_;
        if (length == 0 || length > 5)
            return false;
        const int value = digits(text_.mid(pos_, length));
        out = qint16(std::min(value, 100));
        pos_ = end;
        return true;
    }

private:
    static int digits(QStringView text)
    {
        int value = 0;
        for (const QChar c : text) {
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c.unicode() - u'0');
        }
        return value;
    }

    QStringView text_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

} // namespace

QString quotableText(const QString &text)
{
    if (!text.contains(u'"'))
        return text;
    return QString(text).replace(u'"', QStringLiteral("''"));
}

QString goalLine(const GoalRecord &goal)
{
    QString line;
    appendGoalLine(line, goal);
    return line;
}

void appendGoalLine(QString &out, const GoalRecord &goal)
{
    out += u'"';
    out += quotableText(goal.name);
    out += QLatin1String("\",");
    appendDateField(out, goal.startingDate);
    out += u',';
    appendDateField(out, goal.endingDate);
    out += QLatin1String(",\"");
    out += quotableText(goal.description);
    out += QLatin1String("\",");
    out += goal.achieved ? kTrue : kFalse;
    out += u',';
    out += QString::number(goal.percentage);
    out += QLatin1String("\r\n");
}

QString decodeGoalsText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

ParsedGoals parseGoals(QStringView text, int maxGoals)
{
    ParsedGoals result;
    LineReader reader(text);
    while (!reader.atEnd()) {
        if (reader.skipLineBreak())
            continue;
        if (result.goals.size() >= maxGoals) {
            result.cut = true;
            break;
        }
        const int line = reader.line();
        GoalRecord goal;
        const bool ok = reader.quoted(goal.name) && reader.expect(u',') && reader.date(goal.startingDate) &&
                        reader.expect(u',') && reader.date(goal.endingDate) && reader.expect(u',') &&
                        reader.quoted(goal.description) && reader.expect(u',') && reader.boolean(goal.achieved) &&
                        reader.expect(u',') && reader.percentage(goal.percentage) && reader.endOfRecord();
        if (!ok) {
            result.faulty = true;
            result.faultLine = line;
            break;
        }
        result.goals.append(std::move(goal));
    }
    return result;
}

QString goalsFilePath()
{
    return paths::programFolder() + QStringLiteral("/goals.txt");
}

ReadOutcome readGoals(const QString &path)
{
    ReadOutcome outcome;
    if (!QFileInfo(path).isFile())
        return outcome;
    outcome.exists = true;
    store::BoundedRead file = store::readRegularFile(path, kMaxGoalsFileBytes);
    if (!file.ok) {
        outcome.parsed.faulty = true;
        outcome.parsed.faultLine = 1;
        return outcome;
    }
    if (file.cut) {
        // The last line read is likely cut in two, perhaps within a character.
        file.bytes.truncate(file.bytes.lastIndexOf('\n') + 1);
    }
    outcome.parsed = parseGoals(decodeGoalsText(file.bytes));
    if (file.cut) {
        // A record broken by the cut reads as a fault; it is the cut.
        outcome.parsed.cut = true;
        outcome.parsed.faulty = false;
    } else if (outcome.parsed.faulty) {
        outcome.original = std::move(file.bytes);
    }
    return outcome;
}

WriteOutcome writeGoals(const QString &path, const GoalTable &table, const QSet<int> &except)
{
    WriteOutcome outcome;
    if (table.isEmpty())
        return outcome;
    QString text;
    text.reserve(table.size() * 128);
    for (int i = 0; i < table.size(); ++i) {
        if (!except.contains(i))
            appendGoalLine(text, table[i]);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        outcome.error = file.errorString();
        return outcome;
    }
    const QByteArray bytes = text.toUtf8();
    // A failed write is not reported by commit(): check before it.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        outcome.error = file.errorString();
        file.cancelWriting();
        return outcome;
    }
    if (!file.commit()) {
        outcome.error = file.errorString();
        return outcome;
    }
    outcome.written = true;
    return outcome;
}

QString nextBackupPath(const QString &path)
{
    QString target = path + QStringLiteral(".bak");
    // exists() is false for a dangling link, which would be written through.
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = path + QStringLiteral(".bak") + QString::number(n);
    return target;
}

QString keepBeside(const QString &path, const QByteArray &bytes)
{
    const QString target = nextBackupPath(path);
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError || !file.commit())
        return {};
    return target;
}

QString copyBeside(const QString &path)
{
    QString target = path + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".bak") + QString::number(n);
    return QFile::copy(path, target) ? target : QString();
}

} // namespace velmora::goals
