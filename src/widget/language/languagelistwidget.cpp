#include "widget/language/languagelistwidget.h"

#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "core/setting/language_tables.h"
#include "widget/iconfont/iconfont.h"
#include "widget/kit/shadowcard.h"

#include <QDebug>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const char kListStyle[] =
    "QListWidget { border: 1px solid rgb(230, 230, 230); font-size: 16px; outline: none; }"
    "QListWidget::item { padding: 5px; }"
    "QListWidget::item:hover { background: rgb(230, 230, 230); }"
    "QListWidget::item:selected { background: rgb(230, 230, 230); color: #101010; }"
    "QScrollBar:vertical { width: 10px; background: transparent; }"
    "QScrollBar::handle:vertical { background: #A3A3A3; border-radius: 5px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }";

}  // namespace

QVector<QStringList> LanguageListWidget::loadCsvData(LanguageListWidgetType type)
{
    return LanguageTables::load(type, IniFileInf::get_keydefine(QStringLiteral("country")),
                                recognizer());
}

QString LanguageListWidget::recognizer()
{
    return MouseDevice::instance()->recognizer;
}

int LanguageListWidget::displayColumn()
{
    return LanguageTables::displayColumn(IniFileInf::get_keydefine(QStringLiteral("sysLang")));
}

LanguageListWidget::LanguageListWidget(LanguageListWidgetType type, QWidget *parent)
    : QWidget(parent), m_type(type)
{
    // Frameless and above the others like the result card, but a tool window
    // rather than a tool tip: on X11 a tool tip is never given the keyboard,
    // and the search field needs it.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint
                   | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("border-radius: 4px;background-color: #fff;"));
    setContentsMargins(14, 14, 14, 14);
    setFixedSize(400, 500);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }

    QWidget *body = addShadowedBody(this);
    auto *column = new QVBoxLayout(body);

    auto *header = new QHBoxLayout;
    auto *icon = new QLabel;
    icon->setFixedSize(30, 30);
    icon->setPixmap(IconFont::instance()
                        .icon(QStringLiteral("fa-solid fa-language"), QColor(0x40, 0x9E, 0xFF))
                        .pixmap(30, 30));
    m_title = new QLabel;
    m_title->setStyleSheet(QStringLiteral("font-size: 18px"));
    auto *close = new QPushButton;
    close->setObjectName(QStringLiteral("closeButton"));
    close->setIcon(IconFont::instance().icon(0xF00D, IconFont::Style::Solid, QColor(0x90, 0x93, 0x99)));
    close->setIconSize(QSize(30, 30));
    close->setStyleSheet(QStringLiteral("QPushButton { background-color: transparent; border: 1px }"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    header->addWidget(icon);
    header->addWidget(m_title);
    header->addStretch(1);
    header->addWidget(close);
    column->addLayout(header);

    m_search = new QLineEdit;
    m_search->setClearButtonEnabled(true);
    column->addWidget(m_search);
    m_search->setFocus();  // typing starts the search

    m_list = new QListWidget;
    m_list->setStyleSheet(QLatin1String(kListStyle));
    m_list->setFlow(QListView::TopToBottom);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setSpacing(1);
    column->addWidget(m_list, 1);

    connect(m_search, &QLineEdit::textChanged, this,
            [this](const QString &text) { filterLanguages(m_list, text); });
    connect(m_list, &QListWidget::itemClicked, this, &LanguageListWidget::itemClicked);

    retranslateUi();
    fillList();
}

void LanguageListWidget::fillList()
{
    const QVector<QStringList> rows = loadCsvData(m_type);
    const int nameColumn = displayColumn();
    for (int i = 1; i < rows.size(); ++i) {
        const QString name = rows.at(i).value(nameColumn);
        if (name.isEmpty())
            continue;  // e.g. the dialects, named in Chinese only
        auto *item = new QListWidgetItem(name, m_list);
        item->setData(Qt::DecorationRole, rows.at(i).value(LanguageTables::kCodeColumn));
    }
    if (m_list->count() == 0)
        qWarning() << "no languages to offer for list type" << m_type;
}

void LanguageListWidget::filterLanguages(QListWidget *listWidget, QString searchText)
{
    qDebug() << "t" << searchText;
    if (!listWidget)
        return;
    for (int i = 0; i < listWidget->count(); ++i) {
        QListWidgetItem *item = listWidget->item(i);
        item->setHidden(!item->text().contains(searchText, Qt::CaseInsensitive));
    }
}

void LanguageListWidget::retranslateUi()
{
    switch (m_type) {
    case VI: m_title->setText(tr("语音识别")); break;
    case VT: m_title->setText(tr("语音翻译")); break;
    case OI: m_title->setText(tr("截图识别")); break;
    case OT: m_title->setText(tr("截图翻译")); break;
    case WI: m_title->setText(tr("划词识别")); break;
    case WT: m_title->setText(tr("划词翻译")); break;
    }
    m_search->setPlaceholderText(tr("搜索"));
}

void LanguageListWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}
