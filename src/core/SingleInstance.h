#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running instance per user and program directory. A second start finds the first through a local
// socket named after the main window class, and either forwards its command word (the reply is 0 for an
// empty word, 22 otherwise) or asks it to come to view.
namespace SingleInstance {
QString serverName();
bool isRunning();
// Sends a word to the running instance; returns its reply, or -1 when nothing answered.
int forwardWord(const QString& word);
// Asks the running instance to show its main window; false when nothing answered.
bool requestShow();
} // namespace SingleInstance

// The receiving side, owned by the main window.
class TInstanceServer : public QObject
{
    Q_OBJECT
public:
    explicit TInstanceServer(QObject* parent = nullptr);
    bool listen();

signals:
    // A forwarded word; the handler returns the reply through the reference.
    void wordReceived(const QString& word, int& reply);
    void showRequested();

private:
    void onConnection();
    QLocalServer* m_server;
};
