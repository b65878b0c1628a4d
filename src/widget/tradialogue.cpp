#include "tradialogue.h"

#include "core/setting/inifileinf.h"
#include "core/setting/language_tables.h"
#include "widget/iconfont/iconfont.h"
#include "widget/language/languagelistwidget.h"
#include "widget/window_dragger.h"
#include "widget/kit/shadowcard.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDebug>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char kEditStyle[] =
    "QTextEdit { font-size: 14px; color: #606266; border: none; }"
    "QScrollBar:vertical { width: 10px; background: transparent; }"
    "QScrollBar::handle:vertical { background: #A3A3A3; border-radius: 5px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }";

// A hairline that fades out towards both ends.
class GradientSeparator : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient g(rect().topLeft(), rect().topRight());
        g.setColorAt(0, QColor(0, 0, 0, 20));
        g.setColorAt(0.5, QColor(0, 0, 0, 50));
        g.setColorAt(1, QColor(0, 0, 0, 20));
        p.fillRect(rect(), g);
    }
};

std::shared_ptr<TraDialogue> &shared()
{
    static auto *dialogue = new std::shared_ptr<TraDialogue>;
    return *dialogue;
}

}  // namespace

std::shared_ptr<TraDialogue> TraDialogue::instance(QWidget *parent)
{
    auto &dialogue = shared();
    if (!dialogue) {
        dialogue.reset(new TraDialogue(parent));
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialogue.get(), &QWidget::hide);
    }
    return dialogue;
}

TraDialogue::TraDialogue(QWidget *parent) : QWidget(parent)
{
    // A tool-tip window floats above the others and, on X11, is never
    // managed or focused by the window manager.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("border-radius: 4px;background-color: #fff;"));
    setContentsMargins(14, 14, 14, 14);
    setFixedSize(400, 300);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().right() + 1 - width(), 0);

    QWidget *body = addShadowedBody(this);
    new WindowDragger(body, false);  // a tool tip is not the window manager's to move

    auto *column = new QVBoxLayout(body);
    auto *header = new QHBoxLayout;
    m_mic = new QLabel;
    m_mic->setFixedSize(30, 30);
    m_micTimer = new QTimer(this);
    m_micTimer->setInterval(120);
    connect(m_micTimer, &QTimer::timeout, this, [this] {
        // A breathing microphone while listening.
        static const int alphas[] = {255, 210, 160, 120, 160, 210};
        m_micFrame = (m_micFrame + 1) % 6;
        QColor c(0x40, 0x9E, 0xFF, alphas[m_micFrame]);
        m_mic->setPixmap(IconFont::instance().icon(QStringLiteral("fa-solid fa-microphone"), c)
                             .pixmap(24, 24));
    });
    m_titleIcon = new QLabel;
    m_titleIcon->setFixedSize(30, 30);
    m_title = new QLabel;
    m_title->setStyleSheet(QStringLiteral("font-size: 18px"));
    m_playback = new QPushButton;
    m_playback->hide();
    m_close = new QPushButton;
    m_close->setIcon(IconFont::instance().icon(0xF00D, IconFont::Style::Solid, QColor(0x90, 0x93, 0x99)));
    m_close->setIconSize(QSize(30, 30));
    m_close->setStyleSheet(QStringLiteral("QPushButton { background-color: transparent; border: 1px }"));
    m_close->setFocusPolicy(Qt::NoFocus);
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
    header->addWidget(m_mic);
    header->addWidget(m_titleIcon);
    header->addWidget(m_title);
    header->addWidget(m_playback);
    header->addStretch(1);
    header->addWidget(m_close);
    column->addLayout(header);

    m_source = new QTextEdit;
    m_source->setStyleSheet(QLatin1String(kEditStyle));
    m_source->setFocusPolicy(Qt::NoFocus);
    column->addWidget(m_source, 1);

    mTargetWidget = new QFrame;
    auto *targetColumn = new QVBoxLayout(mTargetWidget);
    targetColumn->setContentsMargins(0, 0, 0, 0);
    auto *separator = new GradientSeparator;
    separator->setFixedHeight(1);
    m_target = new QTextEdit;
    m_target->setStyleSheet(QLatin1String(kEditStyle));
    m_target->setFocusPolicy(Qt::NoFocus);
    targetColumn->addWidget(separator);
    targetColumn->addWidget(m_target);
    column->addWidget(mTargetWidget, 1);

    auto *bottom = new QHBoxLayout;
    m_copy = new QPushButton;
    m_copy->setMinimumWidth(50);
    m_copy->setFocusPolicy(Qt::NoFocus);
    connect(m_copy, &QPushButton::clicked, this, &TraDialogue::copyText);
    mTargetLangSelect = new QComboBox;
    mTargetLangSelect->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    mTargetLangSelect->setFocusPolicy(Qt::NoFocus);
    connect(mTargetLangSelect, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TraDialogue::onComboBoxIndexChanged);
    bottom->addWidget(m_copy);
    bottom->addWidget(mTargetLangSelect);
    bottom->addStretch(1);
    column->addLayout(bottom);

    mTargetWidget->hide();
    mTargetLangSelect->hide();
    m_mic->hide();
    setTitleIcon(QStringLiteral("fa-solid fa-language"));

    m_hideTimer = new QTimer(this);
    m_hideTimer->setSingleShot(true);
    connect(m_hideTimer, &QTimer::timeout, this, [this] {
        qDebug() << "TraDialogue hide timer";
        hide();
    });

    retranslateUi();
    m_title->setText(tr("语音翻译"));
    m_source->setPlainText(tr("正在识别语音"));
}

void TraDialogue::retranslateUi()
{
    loadTargetLanguages(m_scene);
    m_copy->setText(tr("复制"));
    m_playback->setText(tr("Playback"));
}

void TraDialogue::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void TraDialogue::setTitleIcon(const QString &icon)
{
    m_titleIcon->setPixmap(
        IconFont::instance().icon(icon, QColor(0x40, 0x9E, 0xFF)).pixmap(30, 30));
}

void TraDialogue::showWithoutFocus()
{
    m_hideTimer->stop();
    show();  // WA_ShowWithoutActivating: never raise-and-activate
}

void TraDialogue::showRecognizing(const QString &title)
{
    qDebug() << "TraDialogue::showRecognizing" << title;
    m_title->setText(title);
    m_titleIcon->hide();
    m_mic->show();
    mTargetWidget->hide();
    mTargetLangSelect->hide();
    m_source->setPlainText(tr("正在识别语音"));
    startAnimation();
    showWithoutFocus();
}

void TraDialogue::setShowText(const QString &text)
{
    qDebug() << "TraDialogue::setShowText" << text;
    showWithoutFocus();
    loadTargetLanguages(SENCE_VOICE_TRA);
    m_source->setPlainText(text);
}

void TraDialogue::setShowTargetText(const QString &text)
{
    qDebug() << "TraDialogue::setShowTargetText" << text;
    m_target->setPlainText(text);
    showTraWidget();
}

void TraDialogue::setShowOcrText(const QString &text, SENCE_TYPE scene)
{
    qDebug() << "TraDialogue::setShowOcrText" << text << scene;
    if (scene == SENCE_OCR_TRA) {
        m_title->setText(tr("图片识别-文字翻译"));
        loadTargetLanguages(scene);
    } else {
        m_title->setText(tr("图片识别-文字识别"));
    }
    stopAnimation();
    m_mic->hide();
    setTitleIcon(QStringLiteral("fa-solid fa-language"));
    m_titleIcon->show();
    m_source->setPlainText(text);
    mTargetWidget->hide();
    mTargetLangSelect->hide();
    showWithoutFocus();
}

void TraDialogue::setShowTargetOcrText(const QString &text)
{
    qDebug() << "TraDialogue::setShowTargetOcrText" << text;
    m_target->setPlainText(text);
    showTraWidget();
}

void TraDialogue::setShowWordText(const QString &text)
{
    qDebug() << "TraDialogue::setShowWordText" << text;
    m_title->setText(tr("划词识别-文字翻译"));
    stopAnimation();
    m_mic->hide();
    setTitleIcon(QStringLiteral("fa-solid fa-right-left"));
    m_titleIcon->show();
    m_source->setPlainText(text);
    loadTargetLanguages(SENCE_WORD_TRA);
    showWithoutFocus();
}

void TraDialogue::setShowTargetWordText(const QString &text)
{
    qDebug() << "TraDialogue::setShowTargetWordText" << text;
    m_target->setPlainText(text);
    showTraWidget();
}

void TraDialogue::setShowTargetSearchResult(const QString &text)
{
    qDebug() << "TraDialogue::setShowTargetSearchResult" << text;
    m_target->setPlainText(text);
    mTargetWidget->show();
}

void TraDialogue::showTraWidget()
{
    if (!mTargetWidget)
        qWarning() << "mTargetWidget is null!";
    else
        mTargetWidget->show();
    if (!mTargetLangSelect)
        qWarning() << "mTargetLangSelect is null!";
    else
        mTargetLangSelect->show();
}

void TraDialogue::finishTask(SENCE_TYPE scene)
{
    qDebug() << "TraDialogue::finishTask" << scene;
    stopAnimation();
    if (scene == SENCE_VOICE || scene == SENCE_VOICE_ASS || scene == SENCE_VOICE_AI)
        m_hideTimer->start(kHideAfterMs);
}

void TraDialogue::startAnimation()
{
    m_micTimer->start();
}

void TraDialogue::stopAnimation()
{
    m_micTimer->stop();
}

void TraDialogue::loadTargetLanguages(SENCE_TYPE scene)
{
    m_scene = scene;
    auto type = LanguageListWidget::VT;
    QString key = QStringLiteral("translatelangstr");
    if (scene == SENCE_OCR_TRA) {
        type = LanguageListWidget::OT;
        key = QStringLiteral("ocrtargetlangstr");
    } else if (scene == SENCE_WORD_TRA) {
        type = LanguageListWidget::WT;
        key = QStringLiteral("screentranlangstr");
    }
    const QVector<QStringList> rows = LanguageListWidget::loadCsvData(type);
    m_languageCodes = LanguageTables::column(rows, LanguageTables::kCodeColumn);
    const QStringList names = LanguageTables::column(rows, LanguageListWidget::displayColumn());

    const QSignalBlocker block(mTargetLangSelect);
    mTargetLangSelect->clear();
    for (int i = 1; i < names.size(); ++i)
        mTargetLangSelect->addItem(names.at(i));
    const int row = m_languageCodes.indexOf(IniFileInf::get_keydefine(key), 1);
    // A stored code the table lacks leaves the selector without a choice.
    mTargetLangSelect->setCurrentIndex(row > 0 ? row - 1 : -1);
}

void TraDialogue::onComboBoxIndexChanged(int index)
{
    if (!qobject_cast<QComboBox *>(sender()))
        return;
    const QString code = m_languageCodes.value(index + 1);  // row 0 is the header
    qDebug() << "Selected Key:" << code;
    emit onComboBoxLangChanged(m_source->toPlainText(), code);
}

void TraDialogue::copyText()
{
    QApplication::clipboard()->setText(mTargetLangSelect->isHidden() ? m_source->toPlainText()
                                                                     : m_target->toPlainText());
    m_copy->setText(tr("已复制"));
    QTimer::singleShot(1000, this, [this] { m_copy->setText(tr("复制")); });
}

QString TraDialogue::titleText() const { return m_title->text(); }
QString TraDialogue::sourceText() const { return m_source->toPlainText(); }
QString TraDialogue::targetText() const { return m_target->toPlainText(); }
bool TraDialogue::targetShown() const { return !mTargetWidget->isHidden(); }
bool TraDialogue::languageSelectorShown() const { return !mTargetLangSelect->isHidden(); }
bool TraDialogue::hideScheduled() const { return m_hideTimer->isActive(); }
