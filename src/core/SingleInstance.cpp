#include "core/SingleInstance.h"

#include "core/ProgramDir.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

enum : quint8 { kCopyData = 1, kShow = 2 };
constexpr int kTimeoutMs = 3000;

// Sends one request and waits for the 32-bit reply.
int request(quint8 kind, const QByteArray& payload)
{
    QLocalSocket socket;
    socket.connectToServer(SingleInstance::serverName());
    if (!socket.waitForConnected(kTimeoutMs))
        return -1;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << kind << payload;
    socket.write(message);
    if (!socket.waitForBytesWritten(kTimeoutMs))
        return -1;
    qint32 reply = -1;
    while (socket.bytesAvailable() < qint64(sizeof(qint32))) {
        if (!socket.waitForReadyRead(kTimeoutMs))
            return -1;
    }
    QDataStream in(&socket);
    in >> reply;
    return reply;
}

} // namespace

namespace SingleInstance {

QString serverName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    // A separate program directory is a separate installation with its own instance.
    const QByteArray dirHash =
        QCryptographicHash::hash(ProgramDir::path().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("TfrmMainPellomarAlpha-") + user + '-' + QString::fromLatin1(dirHash);
}

bool isRunning()
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    const bool running = socket.waitForConnected(kTimeoutMs);
    socket.abort();
    return running;
}

int forwardWord(const QString& word)
{
    // The word travels with its terminating zero, as the copy-data message carries it.
    QByteArray payload = word.toLocal8Bit();
    payload.append('\0');
    return request(kCopyData, payload);
}

bool requestShow()
{
    return request(kShow, QByteArray()) >= 0;
}

} // namespace SingleInstance

TInstanceServer::TInstanceServer(QObject* parent) : QObject(parent), m_server(new QLocalServer(this))
{
    connect(m_server, &QLocalServer::newConnection, this, &TInstanceServer::onConnection);
}

bool TInstanceServer::listen()
{
    const QString name = SingleInstance::serverName();
    QLocalServer::removeServer(name);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    return m_server->listen(name);
}

void TInstanceServer::onConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            quint8 kind = 0;
            QByteArray payload;
            in >> kind >> payload;
            if (!in.commitTransaction())
                return;
            qint32 reply = 0;
            if (kind == kCopyData) {
                QString word = QString::fromLocal8Bit(payload);
                const int zero = word.indexOf(QChar(0));
                if (zero >= 0)
                    word.truncate(zero);
                int answer = word.isEmpty() ? 0 : 22;
                emit wordReceived(word, answer);
                reply = word.isEmpty() ? 0 : 22;
            } else if (kind == kShow) {
                emit showRequested();
            }
            QByteArray out;
            QDataStream stream(&out, QIODevice::WriteOnly);
            stream << reply;
            socket->write(out);
            socket->flush();
        });
    }
}
