#pragma once
// One TCP socket as network play uses it: a listening socket that announces connection requests, or a
// connected one that sends and receives bytes. States, events and error numbers are the ones the game's
// network code was written against; underneath are Qt's TCP classes, IPv4 only.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <string>

class QTcpServer;
class QTcpSocket;

namespace zp {

class SocketControl : public QObject
{
    Q_OBJECT
public:
    // Values of state(); "open" means any state above Closed.
    enum State
    {
        Closed = 0,
        Listening = 2,
        Connecting = 6,
        Connected = 7,
        Closing = 8, // the peer closed; close() has not been called yet
        Error = 9
    };
    // Error numbers of the error event.
    static constexpr int kErrorAccessDenied = 10013;
    static constexpr int kErrorAddressInUse = 10048;
    static constexpr int kErrorAddressNotAvailable = 10049;
    static constexpr int kErrorNetworkDown = 10050;
    static constexpr int kErrorConnectionAborted = 10053;
    static constexpr int kErrorNoResources = 10055;
    static constexpr int kErrorTimedOut = 10060;
    static constexpr int kErrorConnectionRefused = 10061;
    static constexpr int kErrorHostNotFound = 11001;

    explicit SocketControl(QObject* parent = nullptr);
    ~SocketControl() override;

    int state() const;
    bool isOpen() const { return state() != Closed; }

    // Free for the caller: network play keeps the seat a socket serves here (0 none).
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // Listens on every IPv4 address; port 0 takes a free one (see localPort). False, with the error event
    // queued and the error kept (see lastErrorNumber), when the port cannot be had.
    bool listen(quint16 port);
    // The last failure of this socket: its number and the system's description of it; 0 when none.
    int lastErrorNumber() const { return lastErrorNumber_; }
    QString lastErrorDescription() const { return lastErrorDescription_; }
    quint16 localPort() const;

    // A connection request announced by connectionRequest(id): the caller's address, then either taken
    // over by another control (accept) or turned away (refuse). A request left alone stays pending.
    QString requestAddress(int requestId) const;
    bool accept(SocketControl& listener, int requestId);
    void refuse(int requestId);

    // Starts connecting; the outcome comes as state Connected, or the error event (10061 when nobody
    // listens there).
    void connectTo(const QString& host, quint16 port);

    // Queued for the peer and pushed out at once, so that it leaves even while the program busy-waits.
    // False when the socket is not connected (nothing is sent).
    bool sendData(const std::string& bytes);
    // Everything received since the last call.
    std::string getData();

    // Closes whatever is open: pending data still leaves, and no event of this socket follows.
    void close();

    QString remoteHostIP() const;
    // This computer's own IPv4 address: the first of an interface that is up and not the loopback one (an
    // IPv6 address would not fit the 15 columns it is shown and stored in); 127.0.0.1 when there is none.
    static QString localIP();

signals:
    // Bytes were received and wait for getData().
    void dataArrival(qint64 bytesTotal);
    void connectionRequest(int requestId);
    // The peer closed the connection or it broke. Sent once, and never from inside a call to this socket.
    void closed();
    // Any other failure. Never from inside a call to this socket.
    void errorOccurred(int number, const QString& description);

private:
    // Runs `event` from the event loop, unless this socket was closed or reused meanwhile.
    void postEvent(std::function<void()> event);
    void adopt(QTcpSocket* socket);
    void release();
    void onReadyRead();
    void onDisconnected();
    void onSocketError();
    void onNewConnection();

    QTcpServer* server_ = nullptr;
    QPointer<QTcpSocket> socket_;
    std::map<int, QPointer<QTcpSocket>> pending_;
    int nextRequest_ = 1;
    std::string received_;
    int tag_ = 0;
    unsigned epoch_ = 0; // bumped by every close: events queued before it are dropped
    bool errorSeen_ = false;
    int lastErrorNumber_ = 0;
    QString lastErrorDescription_;
    bool peerClosed_ = false;
    bool wasConnected_ = false;
};

// The error number a Qt socket error stands for.
int socketErrorNumber(int qtSocketError);

} // namespace zp
