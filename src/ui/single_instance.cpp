#include "ui/single_instance.h"

#include "ui/interface_texts.h"

#include <QLocalSocket>

namespace zel {

SingleInstance::SingleInstance(QString key, QObject* parent) : QObject(parent), key_(std::move(key))
{
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_.nextPendingConnection())
            s->deleteLater();
        emit anotherStarted();
    });
}

QString SingleInstance::defaultKey()
{
    return texts::kApplicationTitle + QLatin1Char('-') + qEnvironmentVariable("USER", QStringLiteral("user"));
}

bool SingleInstance::anotherRuns() const
{
    QLocalSocket probe;
    probe.connectToServer(key_);
    return probe.waitForConnected(300);
}

bool SingleInstance::claim()
{
    QLocalServer::removeServer(key_);
    return server_.listen(key_);
}

} // namespace zel
