#include "app/CommandLine.h"

#include <QDir>

namespace CommandLine {

namespace {

const QString Usage = QStringLiteral(
    "Usage: dalvana [FILE | /o FILE | /c]\n"
    "  FILE, /o FILE  open FILE\n"
    "  /c             take the text from the clipboard\n"
    "  --help         print this help\n"
    "  --version      print the version\n");

} // namespace

Request parse(const QStringList &arguments, const QString &workingDirectory)
{
    Request request;
    const QString first = arguments.value(0);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        request.kind = Request::Kind::Help;
        request.message = Usage;
        return request;
    }
    if (first == QLatin1String("--version")) {
        request.kind = Request::Kind::Version;
        request.message = QStringLiteral("dalvana %1\n").arg(QStringLiteral(DALVANA_VERSION));
        return request;
    }
    // The program's own copy that keeps the clipboard after "חזור לוויקימילון".
    if (first == QLatin1String("--keep-clipboard") && arguments.size() == 2) {
        request.kind = Request::Kind::KeepClipboard;
        request.arguments = {arguments.at(1)};
        return request;
    }
    if (first.startsWith(QLatin1String("--"))) {
        request.kind = Request::Kind::BadUsage;
        request.message = QStringLiteral("dalvana: unknown option %1\n").arg(first) + Usage;
        return request;
    }
    const QDir here(workingDirectory);
    if (first == QLatin1String("/o") && arguments.size() > 1) {
        request.arguments = {first, QDir::cleanPath(here.absoluteFilePath(arguments.at(1)))};
        request.arguments += arguments.mid(2);
    } else if (arguments.size() == 1 && first != QLatin1String("/c") && first != QLatin1String("/o")) {
        request.arguments = {QStringLiteral("/o"), QDir::cleanPath(here.absoluteFilePath(first))};
    } else {
        request.arguments = arguments;
    }
    return request;
}

} // namespace CommandLine
