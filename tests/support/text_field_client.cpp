// Another application with a focused text field, for end-to-end tests: it
// writes the field's text to the file named on its command line whenever
// the text changes, and prints "ready" once its window has the focus.

#include <QApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTextEdit field;
    field.setWindowTitle(QStringLiteral("text field client"));
    field.resize(500, 200);
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
