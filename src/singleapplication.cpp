#include "singleapplication.h"

#include <QDebug>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace {
const char kRunningMessage[] = "isRunnings";
}

SingleApplication::SingleApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    m_serverName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    InitLocalConnection();
}

void SingleApplication::InitLocalConnection()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName, QIODevice::ReadWrite);
    if (socket.waitForConnected(1000)) {
        m_isRunning = true;
        qDebug() << "DATA: isRunnings";
        socket.write(kRunningMessage);
        socket.waitForBytesWritten(1000);
        return;
    }

    m_localServer = new QLocalServer(this);
    connect(m_localServer, &QLocalServer::newConnection, this,
            &SingleApplication::NewLocalConnection);
    if (!m_localServer->listen(m_serverName)
        && m_localServer->serverError() == QAbstractSocket::AddressInUseError) {
        // A name left behind by a crashed instance: nobody answered above.
        QLocalServer::removeServer(m_serverName);
        m_localServer->listen(m_serverName);
    }
}

void SingleApplication::NewLocalConnection()
{
    QLocalSocket *socket = m_localServer->nextPendingConnection();
    if (!socket)
        return;
    connect(socket, &QLocalSocket::readyRead, this, &SingleApplication::socketReadyReadHandler);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    socket->waitForReadyRead(2000);
    if (mainWidget) {
        mainWidget->raise();
        showMainWidget();
    }
}

void SingleApplication::socketReadyReadHandler()
{
    auto *socket = qobject_cast<QLocalSocket *>(sender());
    if (!socket)
        return;
    const QString text = QString::fromUtf8(socket->readAll());
    qDebug() << "DATA:" << text;
    if (mainWidget && text == QLatin1String(kRunningMessage))
        showMainWidget();
}

void SingleApplication::showMainWidget()
{
    mainWidget->showNormal();
    mainWidget->raise();
    mainWidget->activateWindow();
}
