#include "core/speech/mmtypinghelper.h"

#include <QDebug>
#include <QGuiApplication>

mmTypingHelper *mmTypingHelper::instance()
{
    static mmTypingHelper *helper = new mmTypingHelper;
    return helper;
}

mmTypingHelper::mmTypingHelper()
    : m_clipboard(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard()
                                                                                 : nullptr)
{
}

QString mmTypingHelper::compareTextWithString1(const QString &oldText, const QString &newText) const
{
    const int n = qMin(oldText.length(), newText.length());
    int diffIndex = -1;
    for (int i = 0; i < n; ++i) {
        qDebug().noquote().nospace() << "LongTextRecord::OnRecordToJSBufferDataFunc char1: "
                                     << QString(oldText[i]) << "; char2: " << QString(newText[i]);
        if (oldText[i] != newText[i]) {
            diffIndex = i;
            break;
        }
    }
    qDebug().nospace() << "LongTextRecord::OnRecordToJSBufferDataFunc diffIndex: " << diffIndex;

    if (diffIndex == -1) {
        if (newText.length() < oldText.length())
            return QStringLiteral("del::") + oldText.mid(n);
        if (newText.length() == oldText.length())
            return QString();
        return QStringLiteral("add::") + newText.mid(n);
    }
    return oldText.mid(diffIndex) + QStringLiteral("&&") + newText.mid(diffIndex);
}

EditSteps decodeEditDescription(const QString &description)
{
    static const QString kSeparator = QStringLiteral("&&");
    static const QString kDelete = QStringLiteral("del::");
    static const QString kAdd = QStringLiteral("add::");

    EditSteps steps;
    if (description.contains(kSeparator)) {
        const QStringList pieces = description.split(kSeparator);
        steps.deleteCount = pieces.first().length();
        steps.text = pieces.last();
    } else if (description.startsWith(kDelete)) {
        steps.deleteCount = description.length() - kDelete.length();
    } else if (description.startsWith(kAdd)) {
        steps.text = description.mid(kAdd.length());
    }
    return steps;
}

EditSteps editSteps(const QString &oldText, const QString &newText)
{
    const int n = qMin(oldText.length(), newText.length());
    int common = 0;
    while (common < n && oldText.at(common) == newText.at(common))
        ++common;
    EditSteps steps;
    steps.deleteCount = oldText.length() - common;
    steps.text = newText.mid(common);
    return steps;
}
