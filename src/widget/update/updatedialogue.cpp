#include "widget/update/updatedialogue.h"

#include "curl/curlwrapper.h"
#include "utils/app_paths.h"
#include "widget/iconfont/iconfont.h"
#include "widget/kit/shadowcard.h"
#include "widget/update/update_check.h"
#include "widget/window_dragger.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QtConcurrent>

UpdateDialogue *UpdateDialogue::instance()
{
    static UpdateDialogue *dialogue = new UpdateDialogue;  // lives until exit
    return dialogue;
}

UpdateDialogue::UpdateDialogue(QWidget *parent) : QWidget(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("border-radius: 4px;background-color: #fff;"));
    setContentsMargins(14, 14, 14, 14);
    setFixedSize(300, 230);

    QWidget *body = addShadowedBody(this);
    new WindowDragger(body, true);
    auto *column = new QVBoxLayout(body);

    auto *header = new QHBoxLayout;
    auto *icon = new QLabel;
    icon->setFixedSize(30, 30);
    icon->setPixmap(IconFont::instance().icon(QStringLiteral("fa-light fa-desktop")).pixmap(30, 30));
    m_title = new QLabel(tr("检查更新"));
    m_title->setStyleSheet(QStringLiteral("font-size: 18px;"));
    auto *close = new QPushButton;
    close->setObjectName(QStringLiteral("closeButton"));
    close->setFont(IconFont::instance().font(IconFont::Style::Solid, 16));
    close->setText(QString(QChar(0xF00D)));
    close->setStyleSheet(QStringLiteral("QPushButton { background-color: transparent; border: 1px }"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    header->addWidget(icon);
    header->addWidget(m_title, 1);
    header->addWidget(close);
    column->addLayout(header);

    m_status = new QLabel(tr("检查到新版了"));
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_status->setStyleSheet(QStringLiteral("font-size: 18px;"));
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignCenter);
    column->addWidget(m_status, 1);

    m_start = new QPushButton(tr("立即下载"));
    m_start->setObjectName(QStringLiteral("startButton"));
    connect(m_start, &QPushButton::clicked, this, &UpdateDialogue::on_startButton_clicked);
    column->addWidget(m_start);

    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setRange(0, 100);
    m_progress->setValue(50);
    m_progress->setStyleSheet(QStringLiteral(
        "QProgressBar {   border: 2px solid grey;   border-radius: 5px;   text-align: center;}"
        "QProgressBar::chunk {   background-color: #05B8CC;   width: 10px;}"));
    column->addWidget(m_progress);
}

UpdateDialogue::~UpdateDialogue()
{
    if (m_cancel)
        m_cancel->store(true);
}

void UpdateDialogue::startversion(const QString &version)
{
    m_currentVersion = version;
    m_status->setText(tr("正在检查..."));
    qInfo() << "当前客户端为talkvane";

    const int check = ++m_check;
    const QString url = UpdateCheck::queryUrl();
    QPointer<UpdateDialogue> self(this);
    (void)QtConcurrent::run([self, check, url] {
        HttpResult result;
        if (url.isEmpty()) {
            result.error = QStringLiteral("no management server configured");
        } else {
            CurlWrapper::Options options;
            options.headers << QStringLiteral("Content-Type: application/json");
            result = CurlWrapper::get(url, options);
        }
        QMetaObject::invokeMethod(
            qApp, [self, check, result] {
                if (self)
                    self->finishedSlot(check, result);
            },
            Qt::QueuedConnection);
    });

    show();
    raise();
    // A download under way keeps its progress bar.
    if (!m_downloading) {
        m_progress->hide();
        m_start->show();
    }
}

void UpdateDialogue::changeEvent(QEvent *event)
{
    // The status line keeps the language it was written in until the next check.
    if (event->type() == QEvent::LanguageChange) {
        m_title->setText(tr("检查更新"));
        m_start->setText(tr("立即下载"));
    }
    QWidget::changeEvent(event);
}

void UpdateDialogue::finishedSlot(int check, const HttpResult &result)
{
    if (check != m_check)
        return;
    if (!result.ok()) {
        // The label keeps saying that it checks; the log says why it stopped.
        qWarning().noquote() << QString::fromUtf8(result.body.left(2000));
        qWarning("found error status code: %d\n", int(result.status ? result.status : result.curlCode));
        qWarning().noquote() << "Failed: " << result.error;
        return;
    }
    qDebug().noquote() << "aiui:" << QString::fromUtf8(result.body.left(2000));
    analysisVersion(result.body);
}

void UpdateDialogue::analysisVersion(const QByteArray &body)
{
    using Kind = UpdateCheck::PackageAnswer::Kind;
    qDebug().noquote() << "id: " << QString::fromUtf8(body.left(2000));
    const UpdateCheck::PackageAnswer answer = UpdateCheck::parseAnswer(body);
    switch (answer.kind) {
    case Kind::NotJson:
        qWarning() << "json error!";
        return;
    case Kind::Refused:
        m_status->setText(tr("网络错误：") + answer.code);
        return;
    case Kind::Malformed:
        // Nothing in it can be trusted, the address least of all.
        m_downloadUrl.clear();
        qWarning() << "update answer of an unknown shape";
        showProblem(tr("更新信息无效"));
        return;
    case Kind::Package:
        break;
    }
    const qint64 current = UpdateCheck::versionNumber(m_currentVersion);
    m_downloadUrl = answer.apkUrl;
    qInfo().noquote() << "id: " << answer.pId << ";ver：" << current
                      << ";updataurl：" << CurlWrapper::loggable(answer.apkUrl);
    if (current < 0) {
        m_downloadUrl.clear();
        qWarning() << "running version is not a version number:" << m_currentVersion;
        showProblem(tr("当前版本号无效"));
        return;
    }
    if (current < answer.versions) {
        m_status->setText(tr("检测到有最新的版本：") + QString::number(answer.versions));
        m_start->show();
    } else {
        m_status->setText(tr("已经是最新的了"));
        m_start->hide();
    }
}

void UpdateDialogue::showProblem(const QString &text)
{
    m_status->setText(text);
    m_start->hide();
}

void UpdateDialogue::on_startButton_clicked()
{
    if (m_downloadUrl.isEmpty()) {
        QMessageBox::warning(this, tr("错误"), tr("地址错误"), QMessageBox::Ok);
        return;
    }
    if (m_downloading)
        return;
    if (!UpdateCheck::downloadAllowed(m_downloadUrl)) {
        qWarning().noquote() << "refusing a package from" << CurlWrapper::loggable(m_downloadUrl);
        showProblem(tr("下载地址不安全，已拒绝下载"));
        return;
    }
    m_progress->setValue(0);
    m_progress->show();
    m_start->hide();

    const QString target = AppPaths::inDataDir(UpdateCheck::packageFileName(m_downloadUrl));
    auto part = std::make_shared<QFile>(target + QStringLiteral(".part"));
    // Unbuffered: a full disk shows at the write that hits it.
    if (!part->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        qWarning().noquote() << "cannot create" << part->fileName() << part->errorString();
        QMessageBox::warning(this, tr("错误"), tr("无法创建文件"), QMessageBox::Ok);
        m_progress->hide();
        m_start->show();
        return;
    }
    m_downloading = true;
    m_cancel = std::make_shared<std::atomic_bool>(false);
    const QString url = m_downloadUrl;
    const auto cancel = m_cancel;
    QPointer<UpdateDialogue> self(this);
    (void)QtConcurrent::run([self, url, part, target, cancel] {
        DownloadOptions options;
        options.cancel = cancel.get();
        int shown = -1;
        options.progress = [self, &shown](qint64 received, qint64 total) {
            // One hop to the GUI thread per percent, not per packet.
            const int percent = total > 0 ? int(received * 100 / total) : -1;
            if (percent == shown)
                return;
            shown = percent;
            QMetaObject::invokeMethod(
                qApp, [self, received, total] {
                    if (self)
                        self->loadProgress(received, total);
                },
                Qt::QueuedConnection);
        };
        const UpdateCheck::FetchOutcome outcome =
            UpdateCheck::fetchPackage(url, part.get(), target, options);
        QMetaObject::invokeMethod(
            qApp, [self, outcome, target] {
                if (self)
                    self->replyFinished(outcome.ok, outcome.cancelled, outcome.error, target);
            },
            Qt::QueuedConnection);
    });
}

void UpdateDialogue::loadProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    if (m_downloading && bytesTotal > 0)
        m_progress->setValue(int(bytesReceived * 100 / bytesTotal));
}

void UpdateDialogue::replyFinished(bool ok, bool cancelled, const QString &error,
                                   const QString &package)
{
    qInfo() << "下载结束了。。。";
    m_downloading = false;
    m_cancel.reset();
    if (!ok) {
        qWarning().noquote() << "Error: " << error;
        if (cancelled)
            return;
        m_progress->setValue(0);
        m_status->setText(tr("下载失败，请稍后重试"));
        m_start->show();
        return;
    }
    m_progress->setValue(100);
    if (!QFileInfo::exists(package))
        return;
    // The desktop knows how to install a package (a .deb goes to the package
    // installer); running a downloaded file ourselves would trust it blindly.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()
        || !QProcess::startDetached(opener, {package}, AppPaths::dataDir())) {
        qWarning().noquote() << "cannot hand" << package << "to xdg-open";
        m_status->setText(tr("无法打开安装包，它已保存在：%1").arg(package));
        return;
    }
    qInfo().noquote() << "handed" << package << "to" << opener << "; quitting";
    QCoreApplication::quit();
}
