#include "platform/socket_control.h"

#include <QHostAddress>
#include <QMetaObject>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>

namespace zp {

namespace {

QString ipv4Text(const QHostAddress& address)
{
    bool ok = false;
    const quint32 v4 = address.toIPv4Address(&ok);
    return ok ? QHostAddress(v4).toString() : address.toString();
}

// A socket that leaves us: no more of its signals reach its old owner; pending data still goes out.
void letGo(QTcpSocket* socket, QObject* owner)
{
    if (!socket) return;
    QObject::disconnect(socket, nullptr, owner, nullptr);
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    QObject::connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
}

} // namespace

int socketErrorNumber(int qtSocketError)
{
    switch (static_cast<QAbstractSocket::SocketError>(qtSocketError)) {
    case QAbstractSocket::ConnectionRefusedError:
        return SocketControl::kErrorConnectionRefused;
    case QAbstractSocket::RemoteHostClosedError:
        return SocketControl::kErrorConnectionAborted;
    case QAbstractSocket::HostNotFoundError:
        return SocketControl::kErrorHostNotFound;
    case QAbstractSocket::SocketAccessError:
        return SocketControl::kErrorAccessDenied;
    case QAbstractSocket::SocketResourceError:
        return SocketControl::kErrorNoResources;
    case QAbstractSocket::SocketTimeoutError:
        return SocketControl::kErrorTimedOut;
    case QAbstractSocket::NetworkError:
        return SocketControl::kErrorNetworkDown;
    case QAbstractSocket::AddressInUseError:
        return SocketControl::kErrorAddressInUse;
    case QAbstractSocket::SocketAddressNotAvailableError:
        return SocketControl::kErrorAddressNotAvailable;
    default:
        return 10000 + std::max(0, qtSocketError);
    }
}

SocketControl::SocketControl(QObject* parent) : QObject(parent) {}

SocketControl::~SocketControl()
{
    // Sockets dying with us must not signal into a half-destroyed object.
    for (QTcpSocket* s : findChildren<QTcpSocket*>()) {
        s->disconnect();
        s->abort();
        delete s;
    }
}

int SocketControl::state() const
{
    if (server_ && server_->isListening()) return Listening;
    if (errorSeen_) return Error;
    if (!socket_) return Closed;
    if (peerClosed_) return Closing;
    switch (socket_->state()) {
    case QAbstractSocket::ConnectedState:
        return Connected;
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState:
        return Connecting;
    case QAbstractSocket::ClosingState:
        return Closing;
    default:
        return Closed;
    }
}

bool SocketControl::listen(quint16 port)
{
    close();
    if (!server_) {
        server_ = new QTcpServer(this);
        connect(server_, &QTcpServer::newConnection, this, &SocketControl::onNewConnection);
    }
    if (server_->listen(QHostAddress::AnyIPv4, port)) return true;
    errorSeen_ = true;
    const int number = lastErrorNumber_ = socketErrorNumber(server_->serverError());
    const QString description = lastErrorDescription_ = server_->errorString();
    postEvent([this, number, description] { emit errorOccurred(number, description); });
    return false;
}

quint16 SocketControl::localPort() const
{
    if (server_ && server_->isListening()) return server_->serverPort();
    return socket_ ? socket_->localPort() : 0;
}

QString SocketControl::requestAddress(int requestId) const
{
    const auto it = pending_.find(requestId);
    if (it == pending_.end() || !it->second) return {};
    return ipv4Text(it->second->peerAddress());
}

bool SocketControl::accept(SocketControl& listener, int requestId)
{
    const auto it = listener.pending_.find(requestId);
    if (it == listener.pending_.end()) return false;
    QPointer<QTcpSocket> socket = it->second;
    listener.pending_.erase(it);
    if (!socket) return false;
    close();
    QObject::disconnect(socket, nullptr, &listener, nullptr);
    socket->setParent(this);
    adopt(socket);
    return true;
}

void SocketControl::refuse(int requestId)
{
    const auto it = pending_.find(requestId);
    if (it == pending_.end()) return;
    QPointer<QTcpSocket> socket = it->second;
    pending_.erase(it);
    letGo(socket, this);
}

void SocketControl::connectTo(const QString& host, quint16 port)
{
    close();
    auto* socket = new QTcpSocket(this);
    adopt(socket);
    QHostAddress address;
    if (address.setAddress(host))
        socket->connectToHost(address, port);
    else
        socket->connectToHost(host, port, QIODevice::ReadWrite, QAbstractSocket::IPv4Protocol);
}

bool SocketControl::sendData(const std::string& bytes)
{
    if (state() != Connected) return false;
    socket_->write(bytes.data(), qint64(bytes.size()));
    socket_->flush();
    return true;
}

std::string SocketControl::getData()
{
    std::string data;
    data.swap(received_);
    return data;
}

void SocketControl::close()
{
    ++epoch_; // queued events of what was open are dropped
    if (server_) server_->close();
    for (auto& [id, socket] : pending_) letGo(socket, this);
    pending_.clear();
    letGo(socket_, this);
    socket_ = nullptr;
    received_.clear();
    errorSeen_ = false;
    peerClosed_ = false;
    wasConnected_ = false;
}

QString SocketControl::remoteHostIP() const
{
    return socket_ ? ipv4Text(socket_->peerAddress()) : QString();
}

QString SocketControl::localIP()
{
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto flags = i.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : i.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) return entry.ip().toString();
    }
    return QStringLiteral("127.0.0.1");
}

void SocketControl::adopt(QTcpSocket* socket)
{
    socket_ = socket;
    connect(socket, &QTcpSocket::readyRead, this, &SocketControl::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, &SocketControl::onDisconnected);
    connect(socket, &QTcpSocket::errorOccurred, this, &SocketControl::onSocketError);
    connect(socket, &QTcpSocket::connected, this, [this] {
        wasConnected_ = true;
        if (socket_) socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    });
    if (socket->state() == QAbstractSocket::ConnectedState) {
        wasConnected_ = true;
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    }
    // What came before the socket was ours, or a close that came meanwhile, is announced as usual.
    postEvent([this] {
        if (!socket_) return;
        if (socket_->bytesAvailable() > 0) onReadyRead();
        if (wasConnected_ && socket_->state() == QAbstractSocket::UnconnectedState) onDisconnected();
    });
}

void SocketControl::postEvent(std::function<void()> event)
{
    const unsigned epoch = epoch_;
    QMetaObject::invokeMethod(
        this,
        [this, epoch, event = std::move(event)] {
            if (epoch == epoch_) event();
        },
        Qt::QueuedConnection);
}

void SocketControl::onReadyRead()
{
    if (!socket_) return;
    const QByteArray data = socket_->readAll();
    if (data.isEmpty()) return;
    received_.append(data.constData(), std::size_t(data.size()));
    emit dataArrival(qint64(received_.size()));
}

void SocketControl::onDisconnected()
{
    if (peerClosed_) return;
    peerClosed_ = true;
    // Queued: the break may be found inside a write or a close of ours.
    postEvent([this] { emit closed(); });
}

void SocketControl::onSocketError()
{
    if (!socket_) return;
    const auto error = socket_->error();
    // A connection that was working and broke is a close, whatever the system called it.
    if (wasConnected_ &&
        (error == QAbstractSocket::RemoteHostClosedError || error == QAbstractSocket::NetworkError)) {
        onDisconnected();
        return;
    }
    errorSeen_ = true;
    const int number = lastErrorNumber_ = socketErrorNumber(error);
    const QString description = lastErrorDescription_ = socket_->errorString();
    postEvent([this, number, description] { emit errorOccurred(number, description); });
}

void SocketControl::onNewConnection()
{
    while (server_ && server_->hasPendingConnections()) {
        QTcpSocket* socket = server_->nextPendingConnection();
        const int id = nextRequest_++;
        pending_[id] = socket;
        emit connectionRequest(id);
    }
}

} // namespace zp
