#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

namespace {

ShellOpenRecorder *g_recorder = nullptr;

bool looksLikeLocalPath(const QString &target)
{
    if (target.startsWith(u'/') || target.startsWith(QLatin1String("./")))
        return true;
    return QUrl(target).scheme().isEmpty();
}

} // namespace

namespace ShellOpen {

Settings::ShowMode externalWindowShowMode()
{
    return Settings::externalWindowShowMode();
}

bool requestFor(const QString &target, ShellOpenRequest *request)
{
    if (target.isEmpty())
        return false;
    request->target = target;
    request->showMode = externalWindowShowMode();
    if (!looksLikeLocalPath(target)) {
        // Tolerant parsing encodes what the address leaves raw (Hebrew, spaces)
        // and keeps the escapes it already holds.
        const QUrl url(target, QUrl::TolerantMode);
        if (!url.isValid())
            return false;
        request->kind = ShellOpenRequest::Kind::Address;
        request->url = url;
        return true;
    }
    const QFileInfo info(target);
    if (!info.exists())
        return false;
    if (info.isFile() && info.isExecutable()) {
        request->kind = ShellOpenRequest::Kind::Program;
        request->program = info.absoluteFilePath();
        request->workingDirectory = info.absolutePath();
        return true;
    }
    request->kind = ShellOpenRequest::Kind::Address;
    request->url = QUrl::fromLocalFile(info.absoluteFilePath());
    return true;
}

void open(const QString &target)
{
    ShellOpenRequest request;
    if (!requestFor(target, &request))
        return;
    if (g_recorder) {
        g_recorder->requests.append(request);
        return;
    }
    // The desktop decides how a window starts; there is no portable way to ask
    // for a maximised one, so the show mode goes unused here.
    if (request.kind == ShellOpenRequest::Kind::Program)
        QProcess::startDetached(request.program, {}, request.workingDirectory);
    else
        QDesktopServices::openUrl(request.url);
}

} // namespace ShellOpen

ShellOpenRecorder::ShellOpenRecorder()
    : m_previous(g_recorder)
{
    g_recorder = this;
}

ShellOpenRecorder::~ShellOpenRecorder()
{
    g_recorder = m_previous;
}

QStringList ShellOpenRecorder::targets() const
{
    QStringList list;
    for (const ShellOpenRequest &r : requests)
        list << r.target;
    return list;
}
