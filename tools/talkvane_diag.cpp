// Talkvane's command-line companion for support and measurement. It runs the
// application's own library code, never a second implementation.

#include "core/audio/wavfile.h"
#include "core/decoder/sbchelper.h"
#include "diag_bench_decode.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

void usage()
{
    std::fputs(
        "usage: talkvane-diag <command> [arguments]\n"
        "\n"
        "  decode-dump <in> <out.pcm> [--bluetooth] [--report-size N]\n"
        "      Decodes a raw capture of audio reports (as in sound.bin) into 16 kHz\n"
        "      mono 16-bit PCM. Receiver framing by default (64-byte reports);\n"
        "      --bluetooth for Bluetooth framing (245-byte reports unless given).\n"
        "  pcm2wav <in.pcm> <out.wav> [--rate 16000] [--channels 1] [--bits 16]\n"
        "      Wraps raw PCM into a WAV file.\n"
        "  bench-decode [--seconds S]\n"
        "      Decodes the same mSBC frames with Talkvane's decoder and with libsbc\n"
        "      and prints frames per second for each and their ratio.\n",
        stderr);
}

QString option(const QStringList &args, const QString &name, const QString &fallback)
{
    const int at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
}

int decodeDump(const QStringList &args)
{
    if (args.size() < 2) {
        usage();
        return 2;
    }
    const bool bluetooth = args.contains(QStringLiteral("--bluetooth"));
    const int reportSize =
        option(args, QStringLiteral("--report-size"), bluetooth ? QStringLiteral("245")
                                                                : QStringLiteral("64"))
            .toInt();
    if (reportSize <= 0 || reportSize > 4096) {
        std::fputs("talkvane-diag: bad --report-size\n", stderr);
        return 2;
    }
    QFile in(args.at(0));
    QFile out(args.at(1));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "talkvane-diag: cannot read %s\n", qPrintable(args.at(0)));
        return 1;
    }
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "talkvane-diag: cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    const auto decoder = SbcHelper::instance();
    QByteArray report(reportSize, '\0');
    char pcm[SbcHelper::kMaxReportPcmBytes];
    qint64 reports = 0, audio = 0, bytes = 0;
    while (in.read(report.data(), reportSize) == reportSize) {
        ++reports;
        const quint16 n = bluetooth
            ? decoder->decodeBledata(report.constData(), reportSize, pcm, sizeof(pcm))
            : decoder->decodeHiddata(report.constData(), reportSize, pcm, sizeof(pcm));
        if (n) {
            ++audio;
            bytes += n;
            out.write(pcm, n);
        }
    }
    std::printf("%lld reports, %lld with audio, %lld PCM bytes (%.2f s)\n",
                static_cast<long long>(reports), static_cast<long long>(audio),
                static_cast<long long>(bytes), bytes / 32000.0);
    return 0;
}

int pcm2wav(const QStringList &args)
{
    if (args.size() < 2) {
        usage();
        return 2;
    }
    if (!QFile::exists(args.at(0))) {
        std::fprintf(stderr, "talkvane-diag: cannot read %s\n", qPrintable(args.at(0)));
        return 1;
    }
    pcmToWav(args.at(0), args.at(1), option(args, QStringLiteral("--channels"), "1").toInt(),
             option(args, QStringLiteral("--rate"), "16000").toInt(),
             option(args, QStringLiteral("--bits"), "16").toInt());
    if (!QFile::exists(args.at(1))) {
        std::fprintf(stderr, "talkvane-diag: cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        usage();
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("decode-dump"))
        return decodeDump(args);
    if (command == QLatin1String("pcm2wav"))
        return pcm2wav(args);
    if (command == QLatin1String("bench-decode"))
        return runBenchDecode(args);
    usage();
    return 2;
}
