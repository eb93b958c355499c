#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

std::optional<int> AnswerHelpOrVersion(int argc, char **argv)
{
    // Only an argument that looks like an option can ask; the usual start makes nothing more.
    bool anyOption = false;
    for (int i = 1; i < argc; ++i)
        anyOption = anyOption || argv[i][0] == '-';
    if (!anyOption)
        return std::nullopt;

    QCoreApplication probe(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vemo-Editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEMO_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("An editor for HTML client-side image maps."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("picture"),
                                 QStringLiteral("The picture to open; a name with wildcards opens the first match."),
                                 QStringLiteral("[picture]"));
    // Any other option is no error here: it keeps the meaning it has always had.
    parser.parse(probe.arguments());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("Vemo-Editor %s\n", VEMO_VERSION);
        return 0;
    }
    return std::nullopt;
}
