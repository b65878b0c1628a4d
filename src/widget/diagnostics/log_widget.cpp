#include "widget/diagnostics/log_widget.h"

#include "core/log/message_handlers.h"

#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QMutex>
#include <QMutexLocker>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>

namespace {

LogWidget *g_logWidget = nullptr;

// Lines waiting for the window. Bounded: a burst while the GUI thread is
// busy must not grow without limit; the oldest go first.
constexpr int kMaxPendingLines = 20000;
QMutex g_pendingMutex;
QStringList g_pending;

void collectLine(const QString &line)
{
    QMutexLocker lock(&g_pendingMutex);
    if (g_pending.size() >= kMaxPendingLines)
        g_pending.removeFirst();
    g_pending.append(line);
}

}  // namespace

LogWidget::LogWidget(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("LogWidget"));
    resize(685, 468);
    m_toControl = new QRadioButton;
    m_toControl->setObjectName(QStringLiteral("radioButton_toControl"));
    m_toControl->setChecked(true);
    m_toFile = new QRadioButton;
    m_toFile->setObjectName(QStringLiteral("radioButton_ToFile"));
    m_toDebug = new QRadioButton;
    m_toDebug->setObjectName(QStringLiteral("radioButton_ToDebug"));
    m_clear = new QPushButton;
    m_clear->setObjectName(QStringLiteral("pushButton"));
    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("plainTextEdit"));
    m_text->setReadOnly(true);

    auto *choices = new QHBoxLayout;
    choices->addWidget(m_toControl);
    choices->addWidget(m_toFile);
    choices->addWidget(m_toDebug);
    choices->addStretch(1);
    choices->addWidget(m_clear);
    auto *column = new QVBoxLayout(this);
    column->addLayout(choices);
    column->addWidget(m_text);

    connect(m_toControl, &QRadioButton::clicked, this, &LogWidget::on_radioButton_toControl_clicked);
    connect(m_toFile, &QRadioButton::clicked, this, &LogWidget::on_radioButton_ToFile_clicked);
    connect(m_toDebug, &QRadioButton::clicked, this, &LogWidget::on_radioButton_ToDebug_clicked);
    connect(m_clear, &QPushButton::clicked, this, &LogWidget::on_pushButton_clicked);
    connect(this, &LogWidget::logOutputed, this, &LogWidget::showLog);

    m_flush = new QTimer(this);
    m_flush->setInterval(kFlushMs);
    connect(m_flush, &QTimer::timeout, this, &LogWidget::flush);
    retranslateUi();
    g_logWidget = this;
}

LogWidget::~LogWidget()
{
    setLogListener(nullptr);
    if (g_logWidget == this)
        g_logWidget = nullptr;
}

LogWidget *LogWidget::instance()
{
    return g_logWidget;
}

void LogWidget::logSwitch(bool toFile)
{
    if (!g_logWidget) {
        qDebug() << "LogWidget::logSwitch" << "; 2";
        return;
    }
    qDebug() << "LogWidget::logSwitch" << "; 1";
    routeLogToFile(toFile);
}

QString LogWidget::text() const
{
    return m_text->toPlainText();
}

void LogWidget::retranslateUi()
{
    setWindowTitle(tr("日志窗口"));
    m_toControl->setText(tr("输出至窗口"));
    m_toFile->setText(tr("输出至文件"));
    m_toDebug->setText(tr("输出至Debug"));
    m_clear->setText(tr("清除日志"));
}

void LogWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void LogWidget::showLog(QString log)
{
    if (m_text->document()->characterCount() > kMaxChars)
        m_text->clear();
    m_text->appendPlainText(log);
}

// "To window" keeps the file as well: the window only shows what the file
// gets, so nothing is lost when it is closed.
void LogWidget::on_radioButton_toControl_clicked()
{
    routeLogToFile(true);
    updateListening();
}

void LogWidget::on_radioButton_ToFile_clicked()
{
    routeLogToFile(true);
    updateListening();
}

void LogWidget::on_radioButton_ToDebug_clicked()
{
    routeLogToFile(false);
    updateListening();
}

void LogWidget::on_pushButton_clicked()
{
    m_text->clear();
}

void LogWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    updateListening();
}

void LogWidget::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    updateListening();
}

// Lines are collected only while someone can read them.
void LogWidget::updateListening()
{
    const bool listen = isVisible() && m_toControl->isChecked();
    setLogListener(listen ? collectLine : nullptr);
    if (listen) {
        m_flush->start();
    } else {
        m_flush->stop();
        flush();
    }
}

void LogWidget::flush()
{
    QStringList lines;
    {
        QMutexLocker lock(&g_pendingMutex);
        lines.swap(g_pending);
    }
    if (!lines.isEmpty())
        emit logOutputed(lines.join(QLatin1Char('\n')));
}
