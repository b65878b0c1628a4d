#include "core/speech/sonabridge.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

// Beside the executable first, so a copy shipped with Talkvane wins over
// one elsewhere on the loader's path.
QLibrary *loadBesideOrByName(const QString &name, QString *why)
{
    const QString beside =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("lib%1.so").arg(name));
    QStringList reasons;
    for (const QString &candidate : {beside, name}) {
        if (candidate == beside && !QFileInfo::exists(beside))
            continue;
        auto *library = new QLibrary(candidate);
        if (library->load())
            return library;
        reasons << library->errorString();
        delete library;
    }
    if (reasons.isEmpty())
        reasons << QStringLiteral("lib%1.so not found").arg(name);
    if (why)
        *why = reasons.join(QStringLiteral("; "));
    return nullptr;
}

}  // namespace

Sonabridge &Sonabridge::instance()
{
    static Sonabridge *bridge = new Sonabridge;
    return *bridge;
}

bool Sonabridge::load(QString *why)
{
    if (m_library)
        return true;
    QString reason;
    m_library = loadBesideOrByName(QLatin1String(kLibraryName), &reason);
    if (!m_library) {
        qWarning().noquote() << "Failed LoadLibrary" << kLibraryName << reason;
        if (why)
            *why = reason;
        return false;
    }
    qInfo().noquote() << "loaded" << m_library->fileName();
    return true;
}

bool Sonabridge::usable(QString *why)
{
    if (!load(why))
        return false;
    if (!recognitionStart() || !recognitionEnd() || !write()) {
        if (why)
            *why = QStringLiteral("%1 lacks the recognition exports").arg(m_library->fileName());
        return false;
    }
    if (!m_sdkCore) {
        QString reason;
        m_sdkCore = loadBesideOrByName(QLatin1String(kSdkCoreName), &reason);
        if (!m_sdkCore) {
            qWarning().noquote() << "Failed LoadLibrary" << kSdkCoreName << reason;
            if (why)
                *why = reason;
            return false;
        }
    }
    return true;
}

void *Sonabridge::resolve(const char *name, void **slot)
{
    if (!*slot && m_library) {
        *slot = reinterpret_cast<void *>(m_library->resolve(name));
        if (!*slot)
            qWarning() << "no export" << name << "in" << m_library->fileName();
    }
    return *slot;
}

Sonabridge::Start Sonabridge::recognitionStart()
{
    return reinterpret_cast<Start>(resolve("msCognitionPushStreamStart", &m_recognitionStart));
}

Sonabridge::End Sonabridge::recognitionEnd()
{
    return reinterpret_cast<End>(resolve("msCognitionPushStreamEnd", &m_recognitionEnd));
}

Sonabridge::Write Sonabridge::write()
{
    return reinterpret_cast<Write>(resolve("msCognitionPushStreamWrite", &m_write));
}

Sonabridge::Start Sonabridge::transcriptionStart()
{
    return reinterpret_cast<Start>(
        resolve("msTranscriptionPushStreamStart", &m_transcriptionStart));
}

Sonabridge::End Sonabridge::transcriptionEnd()
{
    return reinterpret_cast<End>(resolve("msTranscriptionPushStreamEnd", &m_transcriptionEnd));
}
