#include "learn/cardselection.h"

namespace velmora {

QString BuildCardSelectionSql(const GroupChoice &choice)
{
    std::array<QString, kSuitCount + 1> conditions;
    if (choice.major)
        conditions[0] = QStringLiteral("(Group=0)");
    for (int i = 0; i < kSuitCount; ++i) {
        if (choice.suitChecked[i] && choice.suitAvailable[i])
            conditions[i + 1] = QStringLiteral("(Group=%1)").arg(i + 1);
    }

    QString sql = QStringLiteral("SELECT * FROM tblCards WHERE ");
    for (const QString &condition : conditions) {
        if (!condition.isEmpty())
            sql += QLatin1Char(' ') + condition + QStringLiteral(" OR ");
    }
    // Drops the " OR " after the last condition; the doubled blanks the
    // joining left behind are folded afterwards.
    sql.chop(4);
    sql += QStringLiteral(" ORDER BY ID");
    sql.replace(QStringLiteral("  "), QStringLiteral(" "));
    return sql;
}

} // namespace velmora
