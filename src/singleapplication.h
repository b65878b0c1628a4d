#pragma once

#include <QApplication>

class QLocalServer;

// The application object, which also makes sure only one Talkvane runs per
// user session: a second start tells the first to show its window and quits.
class SingleApplication : public QApplication
{
    Q_OBJECT
public:
    SingleApplication(int &argc, char **argv);

    bool isRunning() const { return m_isRunning; }
    QString serverName() const { return m_serverName; }

    QWidget *mainWidget = nullptr;  // not owned; set once the main window exists

public slots:
    void socketReadyReadHandler();

private slots:
    void NewLocalConnection();

private:
    void InitLocalConnection();
    void showMainWidget();

    QLocalServer *m_localServer = nullptr;
    QString m_serverName;
    bool m_isRunning = false;
};
