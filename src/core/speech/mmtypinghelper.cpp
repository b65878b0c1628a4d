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

namespace {

// Whether position i of the text falls between the two halves of a surrogate
// pair: the edit must not keep one half and replace the other.
bool splitsPair(const QString &text, int i)
{
    return i > 0 && i < text.length() && text.at(i - 1).isHighSurrogate() && text.at(i).isLowSurrogate();
}

// Where the edit starts: the common prefix, short of a split pair.
int editStart(const QString &oldText, const QString &newText, int common)
{
    while (splitsPair(oldText, common) || splitsPair(newText, common))
        --common;
    return common;
}

}  // namespace

int backspaceCount(const QString &text)
{
    // Text fields delete one code point per Backspace: a pair as a whole,
    // but a combining mark, skin tone or joined emoji part on its own.
    int count = 0;
    for (int i = 0; i < text.length(); ++i) {
        if (!splitsPair(text, i))
            ++count;
    }
    return count;
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

    const int start = editStart(oldText, newText, diffIndex == -1 ? n : diffIndex);
    if (start == oldText.length())
        return start == newText.length() ? QString() : QStringLiteral("add::") + newText.mid(start);
    if (start == newText.length())
        return QStringLiteral("del::") + oldText.mid(start);
    return oldText.mid(start) + QStringLiteral("&&") + newText.mid(start);
}

EditSteps decodeEditDescription(const QString &description)
{
    static const QString kSeparator = QStringLiteral("&&");
    static const QString kDelete = QStringLiteral("del::");
    static const QString kAdd = QStringLiteral("add::");

    EditSteps steps;
    if (description.contains(kSeparator)) {
        const QStringList pieces = description.split(kSeparator);
        steps.deleteCount = backspaceCount(pieces.first());
        steps.text = pieces.last();
    } else if (description.startsWith(kDelete)) {
        steps.deleteCount = backspaceCount(description.mid(kDelete.length()));
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
    common = editStart(oldText, newText, common);
    EditSteps steps;
    steps.deleteCount = backspaceCount(oldText.mid(common));
    steps.text = newText.mid(common);
    return steps;
}
