#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>

// Plays the user in front of modal message boxes, which run nested event
// loops of their own: polls for the active one and answers it.
namespace MessageBoxes {

// Answers the next box with the given button and keeps its text.
void answerNext(QObject *context, QMessageBox::StandardButton button, QString *seenText);

// Answers every box while it lives (with its default or only button) and
// records "title: text" of each.
class Answerer : public QObject
{
public:
    explicit Answerer(QObject *parent = nullptr);
    const QStringList &seen() const { return m_seen; }
    void clear() { m_seen.clear(); }

private:
    QStringList m_seen;
};

}  // namespace MessageBoxes
