#pragma once

#include "core/translator/cloudtranslator.h"

#include <QSignalSpy>
#include <QtTest>

// What one translate() call produced: the translation, or the user's message.
struct Outcome {
    bool finished = false;
    QString text;
    bool operator==(const Outcome &o) const { return finished == o.finished && text == o.text; }
};

inline char *toString(const Outcome &o)
{
    return QTest::toString(QStringLiteral("%1 \"%2\"").arg(o.finished ? "translated" : "error", o.text));
}

// Waits for the one signal a call ends with; two signals, or none, is a failure.
inline Outcome translateOnce(CloudTranslator &client, const QString &text, const QString &to)
{
    QSignalSpy done(&client, &CloudTranslator::translationFinished);
    QSignalSpy failed(&client, &CloudTranslator::errorOccurred);
    client.translate(text, QStringLiteral("auto"), to);
    if (!QTest::qWaitFor([&] { return done.size() + failed.size() > 0; }, 2500))
        return {false, QStringLiteral("<no signal>")};
    QTest::qWait(20);
    if (done.size() + failed.size() != 1)
        return {false, QStringLiteral("<%1 signals>").arg(done.size() + failed.size())};
    return done.isEmpty() ? Outcome{false, failed.first().first().toString()}
                          : Outcome{true, done.first().first().toString()};
}
