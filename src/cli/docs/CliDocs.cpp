// Writes the manual page and the bash completion of dalvana-cli from its own list of
// commands and options, so that both always say what --help says.
#include "cli/CliCommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <cstdio>

namespace {

// Text for roff: backslashes and hyphens escaped, no line starting with a control character.
QString roff(QString text)
{
    text.replace(u'\\', QStringLiteral("\\e"));
    text.replace(u'-', QStringLiteral("\\-"));
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (line.startsWith(u'.') || line.startsWith(u'\''))
            line.prepend(QStringLiteral("\\&"));
    }
    return lines.join(u'\n');
}

QString manPage(const QString &version)
{
    QString m;
    QTextStream t(&m);
    t << ".TH DALVANA\\-CLI 1 \"\" \"Dalvana " << version << "\" \"User Commands\"\n"
      << ".SH NAME\n"
      << "dalvana\\-cli \\- the text operations of the Dalvana editor, without its window\n"
      << ".SH SYNOPSIS\n"
      << ".B dalvana\\-cli\n.I COMMAND\n[\\fIOPTIONS\\fR] [\\fIARGS\\fR] [\\fIFILE\\fR]\n.br\n"
      << ".B dalvana\\-cli\n\\-\\-help | \\-\\-version\n"
      << ".SH DESCRIPTION\n"
      << roff(QStringLiteral(
             "dalvana-cli runs the same text operations that the commands and dialogs of the Dalvana editor "
             "run, on a document file, so that a page of the Hebrew Wiktionary can be tidied or checked "
             "from a script. FILE is read as the editor opens a document (byte-order mark detection, the "
             "8-bit fallback, line breaks as CR LF); FILE - or no FILE reads standard input. An editing "
             "command writes the resulting text to standard output as UTF-8 (with -o, OUT in the "
             "document format: UTF-16LE with a byte-order mark). A query command prints its result, one "
             "line per item. A TEXT argument may hold \\r\\n, written as those four characters, for a "
             "line break. A command that would open a web page prints \"open ADDRESS\" to standard error."))
      << "\n.SH OPTIONS\n";
    for (const CliOptionHelp &o : commonOptionHelp())
        t << ".TP\n.B " << roff(o.names) << "\n" << roff(o.text) << "\n";
    t << ".SH COMMANDS\n";
    for (const CliCommand *c : CliRegistry::all()) {
        t << ".TP\n.B " << roff(c->name) << "\n.I " << roff(c->synopsis) << "\n.br\n" << roff(c->summary) << ".\n";
        if (!c->details.isEmpty())
            t << ".br\n" << roff(c->details).replace(u'\n', QStringLiteral("\n.br\n")) << "\n";
        for (const QCommandLineOption &o : c->options) {
            t << ".br\n\\fB\\-\\-" << roff(o.names().constFirst()) << "\\fR";
            if (!o.valueName().isEmpty())
                t << " \\fI" << roff(o.valueName()) << "\\fR";
            t << ": " << roff(o.description()) << "\n";
        }
    }
    t << ".SH EXIT STATUS\n"
      << ".TP\n.B 0\ndone\n"
      << ".TP\n.B 1\n"
      << roff(QStringLiteral("the command found nothing or refused; its Hebrew message on standard error"))
      << "\n.TP\n.B 2\n"
      << roff(QStringLiteral("bad usage, an unreadable file or an invalid pattern; a one-line message on "
                             "standard error"))
      << "\n.PP\nThe input file is never changed unless it is also named by \\-o.\n"
      << ".SH EXAMPLES\n.nf\n"
      << "dalvana\\-cli fix\\-spaces entry.txt \\-o entry.txt\n"
      << "dalvana\\-cli stats dump.txt\n"
      << "dalvana\\-cli find \\-\\-mode root \\-\\-all כתב page.txt\n"
      << ".fi\n.SH SEE ALSO\n.BR dalvana (1)\n";
    return m;
}

QString bashCompletion()
{
    QStringList commands;
    QString cases;
    for (const CliCommand *c : CliRegistry::all()) {
        commands << c->name;
        QStringList options;
        for (const QCommandLineOption &o : c->options)
            options << QStringLiteral("--") + o.names().constFirst();
        for (auto it = c->multiOptions.begin(); it != c->multiOptions.end(); ++it)
            options << QStringLiteral("--") + it.key();
        if (!options.isEmpty())
            cases += QStringLiteral("        %1) extra=\"%2\" ;;\n").arg(c->name, options.join(u' '));
    }
    QStringList common;
    for (const CliOptionHelp &o : commonOptionHelp()) {
        for (const QString &part : o.names.split(QStringLiteral(", ")))
            common << part.section(u' ', 0, 0);
    }
    return QStringLiteral(
               "# bash completion for dalvana-cli\n"
               "_dalvana_cli()\n"
               "{\n"
               "    local cur=\"${COMP_WORDS[COMP_CWORD]}\" extra=\"\"\n"
               "    if [ \"$COMP_CWORD\" -eq 1 ]; then\n"
               "        COMPREPLY=( $(compgen -W \"%1 --help --version\" -- \"$cur\") )\n"
               "        return\n"
               "    fi\n"
               "    case \"${COMP_WORDS[1]}\" in\n"
               "%2"
               "    esac\n"
               "    if [[ \"$cur\" == -* ]]; then\n"
               "        COMPREPLY=( $(compgen -W \"%3 $extra\" -- \"$cur\") )\n"
               "    else\n"
               "        COMPREPLY=( $(compgen -f -- \"$cur\") )\n"
               "    fi\n"
               "}\n"
               "complete -o filenames -F _dalvana_cli dalvana-cli\n")
        .arg(commands.join(u' '), cases, common.join(u' '));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || (args.at(1) != QLatin1String("man") && args.at(1) != QLatin1String("bash"))) {
        std::fputs("usage: dalvana-cli-docs man|bash OUT\n", stderr);
        return 2;
    }
    QFile out(args.at(2));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "dalvana-cli-docs: cannot write %s\n", qPrintable(args.at(2)));
        return 2;
    }
    const QString text = args.at(1) == QLatin1String("man") ? manPage(QStringLiteral(DALVANA_VERSION))
                                                            : bashCompletion();
    out.write(text.toUtf8());
    return 0;
}
