// Builds the bundled dictionary from FreeDict's English-Hindi database,
// or romanizes Hindi text from standard input.

#include "builder.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

using namespace tolvani::dicbuild;

void printUsage(const BuildInputs &defaults)
{
    std::cerr << "usage: tolvani-dicbuild [--index FILE] [--dict FILE] [--wordnet DIR] [--tables DIR] OUTPUT\n"
                 "       tolvani-dicbuild [--index FILE] [--dict FILE] [--wordnet DIR] [--tables DIR] --detect\n"
                 "       tolvani-dicbuild [--index FILE] [--dict FILE] [--tables DIR] --romanize < hindi.txt\n"
                 "defaults: --index "
              << defaults.index.toStdString() << " --dict " << defaults.data.toStdString() << " --wordnet "
              << defaults.wordnet.toStdString() << " --tables " << defaults.tables.toStdString() << "\n";
}

// Romanizes as the build does, with the vocabulary of the source the
// inputs name.
int romanizeStdin(const BuildInputs &inputs)
{
    const Romanizer romanizer = sourceRomanizer(inputs);
    std::string line;
    while (std::getline(std::cin, line))
        std::cout << romanizer.romanize(QString::fromStdString(line)).toStdString() << '\n';
    return 0;
}

int build(const BuildInputs &inputs, const QString &output)
{
    BuildReport report;
    const QByteArray bytes = buildDictionary(inputs, report);
    std::cerr << summary(report).toStdString();
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::cerr << "cannot write " << output.toStdString() << ": " << file.errorString().toStdString() << "\n";
        return 1;
    }
    return report.shortLetters.empty() ? 0 : 2;
}

// Lists the built lines that a detector finds suspicious, for review:
// kind, headword, code, meaning, example and what the detector saw,
// tab-separated.
int detect(const BuildInputs &inputs)
{
    BuildReport report;
    buildDictionary(inputs, report, Review::Detectors);
    for (const Finding &finding : report.findings) {
        const DicLine &line = *finding.line;
        std::cout << QStringList{suspicionName(finding.kind), line.headword, line.code, line.meaning, line.example,
                                 finding.detail}
                         .join(u'\t')
                         .toStdString()
                  << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    BuildInputs inputs;
    QString output;
    enum class Mode { Build, Detect, Romanize } mode = Mode::Build;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == u"--index" && hasValue)
            inputs.index = args[++i];
        else if (arg == u"--dict" && hasValue)
            inputs.data = args[++i];
        else if (arg == u"--wordnet" && hasValue)
            inputs.wordnet = args[++i];
        else if (arg == u"--tables" && hasValue)
            inputs.tables = args[++i];
        else if (arg == u"--detect" && mode == Mode::Build)
            mode = Mode::Detect;
        else if (arg == u"--romanize" && mode == Mode::Build)
            mode = Mode::Romanize;
        else if (!arg.startsWith(u"--") && output.isEmpty())
            output = arg;
        else {
            printUsage(inputs);
            return 64;
        }
    }
    if (output.isEmpty() == (mode == Mode::Build)) {
        printUsage(inputs);
        return 64;
    }
    try {
        switch (mode) {
        case Mode::Build: return build(inputs, output);
        case Mode::Detect: return detect(inputs);
        case Mode::Romanize: return romanizeStdin(inputs);
        }
    } catch (const std::runtime_error &error) {
        std::cerr << "tolvani-dicbuild: " << error.what() << "\n";
        return 1;
    }
    return 64;
}
