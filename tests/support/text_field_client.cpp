// Another application with a focused text field, for end-to-end tests: it
// writes the field's text to the file named on its command line whenever
// the text changes, and prints "ready" once its window has the focus.
// With --paste-delay-ms=N it fetches the clipboard N ms after Ctrl+V, as a
// busy application does.

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QSaveFile>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

namespace {

// Holds back each paste of the field; pastes still happen in order.
class DelayedPaste : public QObject
{
public:
    DelayedPaste(QTextEdit *field, int delayMs)
        : m_field(field)
        , m_delayMs(delayMs)
    {
        if (delayMs > 0)
            field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste))
            return false;
        QTimer::singleShot(m_delayMs, m_field, &QTextEdit::paste);
        return true;
    }

private:
    QTextEdit *m_field;
    int m_delayMs;
};

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTextEdit field;
    field.setWindowTitle(QStringLiteral("text field client"));
    field.resize(500, 200);
    const QString delayOption = QStringLiteral("--paste-delay-ms=");
    int pasteDelayMs = 0;
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(delayOption))
            pasteDelayMs = arg.mid(delayOption.length()).toInt();
    }
    DelayedPaste delayedPaste(&field, pasteDelayMs);
    QObject::connect(&field, &QTextEdit::textChanged, [&] {
        QSaveFile file(out);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(field.toPlainText().toUtf8());
            file.commit();
        }
    });
    field.show();
    field.activateWindow();
    field.setFocus();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (field.isActiveWindow() && field.hasFocus()) {
            poll.stop();
            std::puts("ready");
            std::fflush(stdout);
        }
    });
    poll.start(20);
    return app.exec();
}
