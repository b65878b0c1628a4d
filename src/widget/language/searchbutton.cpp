#include "widget/language/searchbutton.h"

#include "core/setting/inifileinf.h"
#include "core/setting/language_tables.h"
#include "widget/iconfont/iconfont.h"

#include <QDebug>
#include <QEvent>
#include <QListWidgetItem>

namespace {

const QString kDialectCode = QStringLiteral("16k_zh_dialect");

}  // namespace

SearchButton::SearchButton(LanguageListWidget::LanguageListWidgetType type, const QString &key,
                           QWidget *parent)
    : QPushButton(parent), m_type(type), m_key(key)
{
    setCursor(Qt::PointingHandCursor);
    setMinimumWidth(160);
    // The arrow on the right says a list opens, also while nothing is chosen.
    setLayoutDirection(Qt::RightToLeft);
    setIcon(IconFont::instance().icon(QStringLiteral("fa-solid fa-angle-down"),
                                      QColor(0x90, 0x93, 0x99)));
    connect(this, &QPushButton::clicked, this, &SearchButton::openPopup);
    refresh();
}

QString SearchButton::title() const
{
    switch (m_type) {
    case LanguageListWidget::VI: return tr("语音识别语种");
    case LanguageListWidget::VT: return tr("语音翻译语种");
    case LanguageListWidget::OI: return tr("截图识别语种");
    case LanguageListWidget::OT: return tr("截图翻译语种");
    case LanguageListWidget::WI: return tr("划词识别语种");
    case LanguageListWidget::WT: return tr("划词翻译语种");
    }
    return QString();
}

void SearchButton::openPopup()
{
    if (m_popup) {
        m_popup->raise();
        return;
    }
    m_popup = new LanguageListWidget(m_type, this);  // its own window, gone with the button
    m_popup->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_popup, &LanguageListWidget::itemClicked, this, &SearchButton::onItemClicked);
    m_popup->show();
    m_popup->activateWindow();
}

void SearchButton::onItemClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const QVariant data = item->data(Qt::DecorationRole);
    const QString code = data.canConvert<QString>() ? data.toString() : QString();
    qDebug() << "SearchButton：itemClicked" << item->text() << ";" << code;

    IniFileInf::set_keydefine(m_key, code);
    if (code == kDialectCode)
        IniFileInf::set_keydefine(QStringLiteral("dialect"), item->text());
    if (LanguageListWidget::recognizer() == QLatin1String("microsoft"))
        IniFileInf::set_keydefine(QStringLiteral("mscognition"), code);
    if (m_key == QLatin1String("listenlangstr"))
        IniFileInf::set_keydefine(QStringLiteral("sourcelangstr"), code);

    setText(item->text());
    if (m_popup)
        m_popup->close();
}

void SearchButton::refresh()
{
    setToolTip(title());
    const QString stored = IniFileInf::get_keydefine(m_key);
    if (stored.isEmpty()) {
        setText(QString());
        return;
    }
    const QVector<QStringList> rows = LanguageListWidget::loadCsvData(m_type);
    int row = LanguageTables::findCode(rows, stored);
    if (stored == kDialectCode) {
        // Every dialect shares the code: the stored name tells which one.
        const QString dialect = IniFileInf::get_keydefine(QStringLiteral("dialect"));
        for (int i = row; i > 0 && i < rows.size(); ++i) {
            if (rows.at(i).value(LanguageTables::kCodeColumn) == kDialectCode
                && rows.at(i).value(LanguageTables::kChineseColumn) == dialect) {
                row = i;
                break;
            }
        }
    }
    if (row < 0) {
        // Not offered by the current table (another region or recogniser):
        // show what is stored rather than pretend another language is chosen.
        qWarning() << "stored language not in the table:" << m_key << stored;
        setText(stored);
        return;
    }
    QString name = rows.at(row).value(LanguageListWidget::displayColumn());
    if (name.isEmpty())
        name = rows.at(row).value(LanguageTables::kChineseColumn);  // the dialects
    setText(name);
}

void SearchButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refresh();
    QPushButton::changeEvent(event);
}
