#include "widget/keys/button_actions.h"

#include <QCoreApplication>
#include <QKeySequence>

namespace ButtonActions {

namespace {

const char kContext[] = "ButtonActions";

// Every action name Talkvane knows, with its label; "home" reads as on the
// short-click list.
const QVector<Item> &allActions()
{
    static const QVector<Item> items{
        {QT_TRANSLATE_NOOP("ButtonActions", "语音输入"), "voiceInput"},
        {QT_TRANSLATE_NOOP("ButtonActions", "语音翻译"), "translationKey"},
        {QT_TRANSLATE_NOOP("ButtonActions", "语音助手"), "aiAssistantKey"},
        {QT_TRANSLATE_NOOP("ButtonActions", "AI大模型"), "aiGpt"},
        {QT_TRANSLATE_NOOP("ButtonActions", "AI大模型"), "aigpt"},
        {QT_TRANSLATE_NOOP("ButtonActions", "截屏翻译"), "aiocrkey"},
        {QT_TRANSLATE_NOOP("ButtonActions", "回车"), "enter"},
        {QT_TRANSLATE_NOOP("ButtonActions", "一键百度"), "baidu"},
        {QT_TRANSLATE_NOOP("ButtonActions", "回退"), "backspace"},
        {QT_TRANSLATE_NOOP("ButtonActions", "显示桌面"), "home"},
        {QT_TRANSLATE_NOOP("ButtonActions", "一键打开网页"), "web"},
        {QT_TRANSLATE_NOOP("ButtonActions", "删除"), "delete"},
        {QT_TRANSLATE_NOOP("ButtonActions", "复制"), "copy"},
        {QT_TRANSLATE_NOOP("ButtonActions", "粘贴"), "pac"},
        {QT_TRANSLATE_NOOP("ButtonActions", "上一页"), "pageUp"},
        {QT_TRANSLATE_NOOP("ButtonActions", "下一页"), "pageDown"},
    };
    return items;
}

}  // namespace

const QVector<Item> &shortClickItems()
{
    static const QVector<Item> items{
        {QT_TRANSLATE_NOOP("ButtonActions", "请选择"), "noOp"},
        {QT_TRANSLATE_NOOP("ButtonActions", "回车"), "enter"},
        {QT_TRANSLATE_NOOP("ButtonActions", "删除"), "delete"},
        {QT_TRANSLATE_NOOP("ButtonActions", "复制"), "copy"},
        {QT_TRANSLATE_NOOP("ButtonActions", "粘贴"), "pac"},
        {QT_TRANSLATE_NOOP("ButtonActions", "上一页"), "pageUp"},
        {QT_TRANSLATE_NOOP("ButtonActions", "下一页"), "pageDown"},
        {QT_TRANSLATE_NOOP("ButtonActions", "显示桌面"), "home"},
    };
    return items;
}

const QVector<Item> &longPressItems()
{
    static const QVector<Item> items{
        {QT_TRANSLATE_NOOP("ButtonActions", "请选择"), "noOp"},
        {QT_TRANSLATE_NOOP("ButtonActions", "语音输入"), "voiceInput"},
        {QT_TRANSLATE_NOOP("ButtonActions", "语音翻译"), "translationKey"},
        {QT_TRANSLATE_NOOP("ButtonActions", "语音助手"), "aiAssistantKey"},
        {"AI", "aiGpt"},
    };
    return items;
}

int indexOf(const QVector<Item> &items, const QString &action)
{
    for (int i = 0; i < items.size(); ++i)
        if (action == QLatin1String(items.at(i).action))
            return i;
    return -1;
}

QString itemText(const Item &item)
{
    return QCoreApplication::translate(kContext, item.text);
}

QString words(const QString &action)
{
    if (action.isEmpty() || action == QLatin1String("noOp"))
        return QCoreApplication::translate(kContext, QT_TRANSLATE_NOOP("ButtonActions", "未设置"));
    const int i = indexOf(allActions(), action);
    return i >= 0 ? itemText(allActions().at(i)) : action;
}

bool isShortcut(const QString &value)
{
    if (value.isEmpty() || indexOf(allActions(), value) >= 0 || value == QLatin1String("noOp"))
        return false;
    // A combination survives a round trip through its portable spelling;
    // a stray word ("aiocr") does not parse into one key.
    const QKeySequence sequence = QKeySequence::fromString(value, QKeySequence::PortableText);
    return sequence.count() == 1 && sequence[0] != Qt::Key_unknown
        && sequence.toString(QKeySequence::PortableText) == value;
}

}  // namespace ButtonActions
