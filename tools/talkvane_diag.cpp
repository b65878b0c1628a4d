// Talkvane's command-line companion for support and measurement. It runs the
// application's own library code, never a second implementation.

#include "core/audio/wavfile.h"
#include "core/decoder/sbchelper.h"
#include "diag_bench_decode.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <optional>

namespace {

constexpr int kUsageError = 2;
constexpr int kFailed = 1;

const char kUsage[] =
    "usage: talkvane-diag <command> [arguments]\n"
    "\n"
    "  decode-dump <in> <out.pcm> [--link receiver|bluetooth] [--bluetooth] [--report-size N]\n"
    "      Decodes a raw capture of audio reports (as in sound.bin) into 16 kHz\n"
    "      mono 16-bit PCM. Receiver framing by default (64-byte reports);\n"
    "      --link bluetooth (or --bluetooth) for Bluetooth framing (245-byte\n"
    "      reports unless given). N is 1 to 4096.\n"
    "  pcm2wav <in.pcm> <out.wav> [--rate 16000] [--channels 1] [--bits 16]\n"
    "      Wraps raw PCM into a WAV file. Rate 1 to 1000000 Hz, 1 to 64 channels,\n"
    "      8, 16, 24 or 32 bits.\n"
    "  bench-decode [--seconds S]\n"
    "      Decodes the same mSBC frames with Talkvane's decoder and with libsbc\n"
    "      and prints frames per second for each and their ratio (S: 0.1 to 600).\n"
    "\n"
    "Options may come before, between or after the file names. The output is\n"
    "never the input; an existing output is only replaced once it is complete.\n";

int usageError(const QString &why)
{
    std::fprintf(stderr, "talkvane-diag: %s\n\n%s", qPrintable(why), kUsage);
    return kUsageError;
}

int failure(const QString &why)
{
    std::fprintf(stderr, "talkvane-diag: %s\n", qPrintable(why));
    return kFailed;
}

// Parses `args` (the command's own arguments) against `options`; on success the
// positional arguments number exactly `names.size()`.
std::optional<QString> parse(QCommandLineParser &parser, const QStringList &args,
                             const QList<QCommandLineOption> &options, const QStringList &names)
{
    parser.addOptions(options);
    if (!parser.parse(QStringList{QStringLiteral("talkvane-diag")} + args))
        return parser.errorText();
    for (const QCommandLineOption &o : options)
        if (parser.values(o).size() > 1)
            return QStringLiteral("--%1 is given more than once").arg(o.names().first());
    const QStringList given = parser.positionalArguments();
    if (given.size() < names.size())
        return QStringLiteral("missing %1").arg(names.mid(given.size()).join(QLatin1Char(' ')));
    if (given.size() > names.size())
        return QStringLiteral("unexpected argument '%1'").arg(given.at(names.size()));
    return std::nullopt;
}

// The option's integer value within [low, high], or the fallback when absent.
std::optional<qint64> intOption(const QCommandLineParser &parser, const QCommandLineOption &o,
                                qint64 fallback, qint64 low, qint64 high, QString *error)
{
    if (!parser.isSet(o))
        return fallback;
    bool ok = false;
    const qint64 v = parser.value(o).toLongLong(&ok);
    if (!ok || v < low || v > high) {
        *error = QStringLiteral("--%1 must be a whole number from %2 to %3, not '%4'")
                     .arg(o.names().first())
                     .arg(low)
                     .arg(high)
                     .arg(parser.value(o));
        return std::nullopt;
    }
    return v;
}

int decodeDump(const QStringList &args)
{
    const QCommandLineOption bluetoothFlag(QStringLiteral("bluetooth"));
    const QCommandLineOption link(QStringLiteral("link"), QString(), QStringLiteral("link"));
    const QCommandLineOption reportSizeOpt(QStringLiteral("report-size"), QString(),
                                           QStringLiteral("N"));
    QCommandLineParser parser;
    if (auto error = parse(parser, args, {bluetoothFlag, link, reportSizeOpt},
                           {QStringLiteral("<in>"), QStringLiteral("<out.pcm>")}))
        return usageError(*error);

    bool bluetooth = parser.isSet(bluetoothFlag);
    if (parser.isSet(link)) {
        const QString name = parser.value(link);
        if (name != QLatin1String("receiver") && name != QLatin1String("bluetooth"))
            return usageError(
                QStringLiteral("--link must be receiver or bluetooth, not '%1'").arg(name));
        if (bluetooth && name == QLatin1String("receiver"))
            return usageError(QStringLiteral("--bluetooth contradicts --link receiver"));
        bluetooth = name == QLatin1String("bluetooth");
    }
    QString error;
    const auto reportSize = intOption(parser, reportSizeOpt, bluetooth ? 245 : 64, 1, 4096, &error);
    if (!reportSize)
        return usageError(error);

    const QString inPath = parser.positionalArguments().at(0);
    const QString outPath = parser.positionalArguments().at(1);
    QFile in(inPath);
    if (!in.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("cannot read %1: %2").arg(inPath, in.errorString()));
    OutputFile out(outPath);
    if (!out.open(inPath))
        return failure(QStringLiteral("cannot write %1: %2").arg(outPath, out.errorString()));

    const auto decoder = SbcHelper::instance();
    const int size = int(*reportSize);
    QByteArray report(size, '\0');
    char pcm[SbcHelper::kMaxReportPcmBytes];
    qint64 reports = 0, audio = 0, bytes = 0, got = 0;
    while ((got = in.read(report.data(), size)) == size) {
        ++reports;
        const quint16 n = bluetooth
            ? decoder->decodeBledata(report.constData(), size, pcm, sizeof(pcm))
            : decoder->decodeHiddata(report.constData(), size, pcm, sizeof(pcm));
        if (n) {
            ++audio;
            bytes += n;
            if (!out.write(pcm, n))
                break;
        }
    }
    if (got < 0)
        return failure(QStringLiteral("reading %1 failed: %2").arg(inPath, in.errorString()));
    if (!out.commit())
        return failure(QStringLiteral("writing %1 failed: %2").arg(outPath, out.errorString()));
    std::printf("%lld reports, %lld with audio, %lld PCM bytes (%.2f s)\n",
                static_cast<long long>(reports), static_cast<long long>(audio),
                static_cast<long long>(bytes), bytes / 32000.0);
    return 0;
}

int pcm2wav(const QStringList &args)
{
    const QCommandLineOption rateOpt(QStringLiteral("rate"), QString(), QStringLiteral("Hz"));
    const QCommandLineOption channelsOpt(QStringLiteral("channels"), QString(),
                                         QStringLiteral("n"));
    const QCommandLineOption bitsOpt(QStringLiteral("bits"), QString(), QStringLiteral("n"));
    QCommandLineParser parser;
    if (auto error = parse(parser, args, {rateOpt, channelsOpt, bitsOpt},
                           {QStringLiteral("<in.pcm>"), QStringLiteral("<out.wav>")}))
        return usageError(*error);

    QString error;
    const auto rate = intOption(parser, rateOpt, 16000, 1, 1000000, &error);
    const auto channels = rate ? intOption(parser, channelsOpt, 1, 1, 64, &error) : std::nullopt;
    const auto bits = channels ? intOption(parser, bitsOpt, 16, 8, 32, &error) : std::nullopt;
    if (!bits)
        return usageError(error);
    if (*bits % 8)
        return usageError(QStringLiteral("--bits must be 8, 16, 24 or 32, not %1").arg(*bits));

    const QString inPath = parser.positionalArguments().at(0);
    const QString outPath = parser.positionalArguments().at(1);
    if (!pcmToWav(inPath, outPath, int(*channels), int(*rate), int(*bits), &error))
        return failure(error);
    return 0;
}

int benchDecode(const QStringList &args)
{
    const QCommandLineOption secondsOpt(QStringLiteral("seconds"), QString(), QStringLiteral("S"));
    QCommandLineParser parser;
    if (auto error = parse(parser, args, {secondsOpt}, {}))
        return usageError(*error);
    double seconds = 2.0;
    if (parser.isSet(secondsOpt)) {
        bool ok = false;
        seconds = parser.value(secondsOpt).toDouble(&ok);
        if (!ok || !(seconds >= 0.1 && seconds <= 600))
            return usageError(QStringLiteral("--seconds must be from 0.1 to 600, not '%1'")
                                  .arg(parser.value(secondsOpt)));
    }
    return runBenchDecode(seconds);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given"));
    const QString command = args.takeFirst();
    if (command == QLatin1String("decode-dump"))
        return decodeDump(args);
    if (command == QLatin1String("pcm2wav"))
        return pcm2wav(args);
    if (command == QLatin1String("bench-decode"))
        return benchDecode(args);
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    return usageError(QStringLiteral("unknown command '%1'").arg(command));
}
