#include "dialogs/preferences/PreferenceRules.h"

#include "platform/DesktopIntegration.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>

namespace PreferenceRules {

int autoSaveMinutes(const QString &stored)
{
    bool ok = false;
    const int n = stored.toInt(&ok);
    if (!ok || n < 0)
        return 0;
    return std::min(n, 99);
}

int autoSaveInterval(const QString &text)
{
    if (text == QLatin1String("0"))
        return 0;
    bool ok = false;
    const qint64 n = text.toInt(&ok);
    if (!ok)
        return 60000;
    return n <= 0 ? 0 : int(std::min<qint64>(n * 60000, INT_MAX));
}

RecentChangesStep recentChangesClicked(bool checked, const QString &lastTime)
{
    if (!checked)
        return {QStringLiteral("0"), QStringLiteral("0")};
    if (lastTime == QLatin1String("0"))
        return {QStringLiteral("1"), QStringLiteral("1")};
    return {lastTime, QString()};
}

bool commandNamesProgram(const QString &command, const QString &programPath)
{
    const QString first = DesktopIntegration::programOfCommand(command);
    const QString name = QFileInfo(programPath).fileName();
    return !first.isEmpty() && !name.isEmpty() && QFileInfo(first).fileName() == name;
}

} // namespace PreferenceRules
