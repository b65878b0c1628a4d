// Another application with a one-line text field, for selected-text tests.
// Commands, one per line on stdin; it answers each with "ok" on stdout:
//   text <words>       the field holds <words>, all of it selected; the
//                      selection is published as PRIMARY the way Qt does it
//                      (on mouse selection and key presses)
//   private <words>    the same, but this field never publishes its
//                      selection, as applications that only copy on Ctrl+C
//   unselect           nothing selected, and no PRIMARY selection of ours
//   primary            publishes the field's selection as PRIMARY
//   clipboard <words>  the clipboard holds <words> as text and a small PNG
//   dump <file>        writes what the clipboard holds now: the text on the
//                      first line, then every format with its size and hash
// Ctrl+C copies the selection, as in any text field. "ready" is printed once
// the window has the focus.

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCryptographicHash>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

QByteArray redSquarePng()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

void answer(const char *text)
{
    std::puts(text);
    std::fflush(stdout);
}

void dump(const QString &path)
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    QString out = (data ? data->text() : QString()) + QLatin1Char('\n');
    if (data) {
        for (const QString &format : data->formats()) {
            const QByteArray bytes = data->data(format);
            out += format + QLatin1Char(' ') + QString::number(bytes.size()) + QLatin1Char(' ')
                + QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex())
                + QLatin1Char('\n');
        }
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(out.toUtf8());
        file.commit();
    }
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLineEdit field;
    field.setWindowTitle(QStringLiteral("selection client"));
    field.resize(400, 40);
    field.move(100, 200);
    field.show();
    field.activateWindow();
    field.setFocus();

    bool publish = true;
    QObject::connect(QApplication::clipboard(), &QClipboard::selectionChanged, &field, [&] {
        if (!publish && QApplication::clipboard()->ownsSelection())
            QApplication::clipboard()->clear(QClipboard::Selection);
    }, Qt::QueuedConnection);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QTextStream in(stdin);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        const QString line = in.readLine();
        if (line.isNull()) {
            app.quit();
            return;
        }
        const QString command = line.section(QLatin1Char(' '), 0, 0);
        const QString rest = line.section(QLatin1Char(' '), 1);
        QClipboard *clipboard = QApplication::clipboard();
        if (command == QLatin1String("text") || command == QLatin1String("private")) {
            publish = command == QLatin1String("text");
            if (clipboard->ownsSelection())
                clipboard->clear(QClipboard::Selection);
            field.setText(rest);
            field.selectAll();
        } else if (command == QLatin1String("unselect")) {
            field.deselect();
            if (clipboard->ownsSelection())
                clipboard->clear(QClipboard::Selection);
        } else if (command == QLatin1String("primary")) {
            clipboard->setText(field.selectedText(), QClipboard::Selection);
        } else if (command == QLatin1String("clipboard")) {
            auto *data = new QMimeData;
            data->setText(rest);
            data->setData(QStringLiteral("image/png"), redSquarePng());
            clipboard->setMimeData(data);
        } else if (command == QLatin1String("dump")) {
            dump(rest);
        }
        answer("ok");
    });

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (field.isActiveWindow() && field.hasFocus()) {
            poll.stop();
            answer("ready");
        }
    });
    poll.start(20);
    return app.exec();
}
