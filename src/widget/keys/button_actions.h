#pragma once

#include <QString>
#include <QVector>

// The actions a mouse button can be given, as the button dialogs list them,
// and their names in words for the settings page.
namespace ButtonActions {

struct Item {
    const char *text;    // source text, translated in the "ButtonActions" context
    const char *action;  // the stored action name
};

const QVector<Item> &shortClickItems();
const QVector<Item> &longPressItems();

// Position of the item storing action, or -1.
int indexOf(const QVector<Item> &items, const QString &action);
QString itemText(const Item &item);

// An action in words: a known action's label, a recorded key combination as
// it is, nothing chosen ("" or "noOp") as "未设置".
QString words(const QString &action);

// Whether a stored short-click value is a recorded key combination rather
// than an action name.
bool isShortcut(const QString &value);

}  // namespace ButtonActions
