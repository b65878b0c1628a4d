#include "core/setting/inifileinf.h"
#include "widget/commands/dialogins.h"
#include "widget/commands/inssetting.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// The list page: what it shows, and that every change reaches the store.
class InsSettingTest : public QObject
{
    Q_OBJECT

private slots:
    void edits_data();
    void edits();
    void deleteButtonRemovesItsRow();
    void failedWriteKeepsTheStoredList();
    void dialogRefusesUnstorableText_data();
    void dialogRefusesUnstorableText();
};

void InsSettingTest::edits_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("op");  // "add t|c|x", "edit row t|c|x", "remove row"
    QTest::addColumn<QString>("after");

    const QString two = "0|报告|/r||2|新闻|http://n";
    QTest::newRow("add") << two << "add file|计算器|/usr/bin/calc"
                         << "0|报告|/r||2|新闻|http://n||1|计算器|/usr/bin/calc";
    QTest::newRow("add replaces the same phrase") << two << "add website|报告|http://r"
                                                  << "2|新闻|http://n||2|报告|http://r";
    QTest::newRow("edit keeps the place") << two << "edit 0 folder|文档|/d"
                                          << "0|文档|/d||2|新闻|http://n";
    QTest::newRow("remove") << two << "remove 1" << "0|报告|/r";
    QTest::newRow("remove the only row") << "2|a|http://a" << "remove 0" << "";
    QTest::newRow("fixed text not stored") << two << "add text|签名|此致" << two;
}

void InsSettingTest::edits()
{
    QFETCH(QString, before);
    QFETCH(QString, op);
    QFETCH(QString, after);
    QVERIFY(IniFileInf::saveCmdKey(before));

    InsSetting page;
    auto *table = page.findChild<QTableWidget *>("commandTable");
    QVERIFY(table);
    QCOMPARE(table->rowCount(), parseCommandList(before).size());

    const QStringList words = op.split(' ');
    const QStringList f = words.last().split('|');
    if (words.first() == "add")
        page.putCommand({f.at(0), f.at(1), f.at(2)});
    else if (words.first() == "edit")
        page.putCommand({f.at(0), f.at(1), f.at(2)}, words.at(1).toInt());
    else
        page.removeCommand(words.at(1).toInt());

    QCOMPARE(IniFileInf::getCmdKey(), after);
    QCOMPARE(table->rowCount(), page.commands().size());
    for (int row = 0; row < table->rowCount(); ++row) {
        QCOMPARE(table->item(row, 1)->text(), page.commands().at(row).command);
        QCOMPARE(table->item(row, 2)->text(), page.commands().at(row).target);
    }
    // A page built afresh shows what was stored.
    InsSetting reloaded;
    QCOMPARE(serializeCommandList(reloaded.commands()), after);
}

void InsSettingTest::deleteButtonRemovesItsRow()
{
    QVERIFY(IniFileInf::saveCmdKey("0|a|/a||0|b|/b||0|c|/c"));
    InsSetting page;
    auto *table = page.findChild<QTableWidget *>("commandTable");
    auto *remove = qobject_cast<QPushButton *>(table->cellWidget(1, 4));
    QVERIFY(remove);
    remove->click();
    QCOMPARE(IniFileInf::getCmdKey(), QStringLiteral("0|a|/a||0|c|/c"));
    // The buttons of the rows that moved up act on their new place.
    qobject_cast<QPushButton *>(table->cellWidget(1, 4))->click();
    QCOMPARE(IniFileInf::getCmdKey(), QStringLiteral("0|a|/a"));
}

void InsSettingTest::failedWriteKeepsTheStoredList()
{
    const QString before = "0|报告|/r||2|新闻|http://n";
    QVERIFY(IniFileInf::saveCmdKey(before));
    InsSetting page;

    // A full disk, simulated with a file-size limit (root ignores permissions):
    // a write in place would leave the list truncated.
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    page.putCommand({"1", "编辑器", "/usr/bin/" + QString(200, 'e')});
    setrlimit(RLIMIT_FSIZE, &old);

    QCOMPARE(IniFileInf::getCmdKey(), before);
    auto *error = page.findChild<QLabel *>("commandStoreError");
    QVERIFY(error && !error->isHidden());
    QVERIFY(!error->text().isEmpty());

    // The next change that can be written clears the message.
    page.removeCommand(0);
    QCOMPARE(IniFileInf::getCmdKey(), serializeCommandList(page.commands()));
    QVERIFY(error->isHidden());
}

void InsSettingTest::dialogRefusesUnstorableText_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("ordinary") << "报告" << "/home/u/r" << true;
    QTest::newRow("empty phrase") << "  " << "/home/u/r" << false;
    QTest::newRow("empty target") << "报告" << "" << false;
    QTest::newRow("separator in phrase") << "a|b" << "/r" << false;
    QTest::newRow("separator in target") << "a" << "http://x/?a|b" << false;
}

void InsSettingTest::dialogRefusesUnstorableText()
{
    QFETCH(QString, command);
    QFETCH(QString, target);
    QFETCH(bool, accepted);
    DialogIns dialog;
    dialog.findChild<QLineEdit *>("commandEdit")->setText(command);
    dialog.findChild<QLineEdit *>("targetEdit")->setText(target);
    QCOMPARE(dialog.findChild<QPushButton *>("acceptButton")->isEnabled(), accepted);
}

QTEST_MAIN(InsSettingTest)
#include "test_inssetting.moc"
