#pragma once

#include <QStringList>
#include <QVector>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

// The pop-up list of one language table: a search field over the languages
// named in the interface language. A click hands the item on; the code is
// the item's data under role 1 (Qt::DecorationRole).
class LanguageListWidget : public QWidget
{
    Q_OBJECT
public:
    enum LanguageListWidgetType { VI = 0, VT = 1, OI = 2, OT = 3, WI = 4, WT = 5 };

    explicit LanguageListWidget(LanguageListWidgetType type, QWidget *parent = nullptr);

    // The table for type under the current region and the mouse's
    // recogniser, header included. Read anew on every call.
    static QVector<QStringList> loadCsvData(LanguageListWidgetType type);
    // The connected mouse's recogniser, "default" unless it says otherwise.
    static QString recognizer();
    // The column of names for the current interface language.
    static int displayColumn();

    QListWidget *listWidget() const { return m_list; }
    QLineEdit *searchInput() const { return m_search; }
    LanguageListWidgetType type() const { return m_type; }

signals:
    void itemClicked(QListWidgetItem *item);

public slots:
    void filterLanguages(QListWidget *listWidget, QString searchText);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void fillList();

    LanguageListWidgetType m_type;
    QLabel *m_title = nullptr;
    QLineEdit *m_search = nullptr;
    QListWidget *m_list = nullptr;
};
