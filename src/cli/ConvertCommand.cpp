#include "cli/CliCommand.h"

namespace {

const CliRegistration convert({
    .name = QStringLiteral("convert"),
    .synopsis = QStringLiteral("[FILE]"),
    .summary = QStringLiteral("read and write the document (with -o, in the document format)"),
    .kind = CliCommand::Kind::Edit,
    .run = [](CliContext &) { return 0; },
});

} // namespace
