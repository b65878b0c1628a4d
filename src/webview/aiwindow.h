#pragma once

#include "widget/framelesswindow.h"
#include "widget/main/ai_assistant.h"

#include <QUrl>
#include <QVariantList>

class WebView;

// The AI assistant page in a frameless window of its own. Closing it from
// the page only hides it, so the conversation survives.
class AiWindow : public FramelessWindow, public AiAssistant
{
    Q_OBJECT
public:
    explicit AiWindow(QWidget *parent = nullptr);
    // For tests and local pages; the product loads pageUrl().
    AiWindow(const QUrl &url, QWidget *parent = nullptr);

    static QUrl pageUrl();
    WebView *view() const { return m_view; }

    void sendPageEvent(const QString &name, const QString &text);
    void windowShow();

    // AiAssistant
    void showWindow() override { windowShow(); }
    void callPage(const QString &method, const QString &text) override
    {
        sendPageEvent(method, text);
    }
    void reload() override;

signals:
    // After a page method was acted on (or ignored as unknown).
    void methodHandled(const QString &method);

protected:
    void changeEvent(QEvent *event) override;

private:
    void onInvokeMethod(const QString &method, const QVariantList &arguments);
    void onQueryRequest(int id, const QString &request);
    void onJavascriptResult(const QString &context, const QVariant &result);

    WebView *m_view;
};

// Diagnostic texts shared by the pages that accept "TestMethod".
QString invokeMethodReport(const QString &method, const QVariantList &arguments);
void showNotice(QWidget *parent, const QString &title, const QString &text);
