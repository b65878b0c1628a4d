#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QClipboard;

// Turns the text typed so far into a revised one with the fewest keys:
// keep the common prefix, delete the rest of the old text, type the rest of
// the new one.
class mmTypingHelper : public QObject
{
    Q_OBJECT

public:
    static mmTypingHelper *instance();

    // "" when equal, "add::" + tail when old is a prefix of new, "del::" +
    // tail when new is a prefix of old, else oldTail + "&&" + newTail from
    // the first difference. Tails are cut where a Backspace can reach: never
    // inside a surrogate pair.
    QString compareTextWithString1(const QString &oldText, const QString &newText) const;

private:
    mmTypingHelper();

    QStringList m_list;
    QClipboard *m_clipboard = nullptr;
};

// The Backspace strokes that delete text in a text field: one per code point.
int backspaceCount(const QString &text);

// What an edit description asks for: Backspaces, then text to type.
struct EditSteps
{
    int deleteCount = 0;
    QString text;
};

// The same edit computed directly, without the text description: texts that
// contain "&&" or start with "add::" cannot be misread this way.
EditSteps editSteps(const QString &oldText, const QString &newText);

// Reads a description as the control center does. With "&&" anywhere, the
// piece before the first one is deleted and the piece after the last one typed.
EditSteps decodeEditDescription(const QString &description);
